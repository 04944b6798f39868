// Time addition and subtraction: ticks exactly, offsets as doubles with
// whole femtoseconds carried into or borrowed from the ticks.
#include <cmath>

#include "time/time_internals.h"

namespace {
constexpr double kFemtosecondsPerSecond = 1e15;
}

UniversalTime& UniversalTime::operator+=(const UniversalTime& other) {
  _physicalTime = _physicalTime + other._physicalTime;
  if (!_analogExists) return *this;
  _offsetTime = static_cast<double>(other._offsetTime) + static_cast<double>(_offsetTime);
  // Two offsets below 1.0 sum below 2.0: one carry at most.
  if (_offsetTime >= UniversalReal::Get_TheConstantOne()) {
    _physicalTime = _physicalTime + UniversalInteger::Get_TheConstantOne();
    _offsetTime = static_cast<double>(_offsetTime) - 1.0;
  }
  return *this;
}

UniversalTime& UniversalTime::operator-=(const UniversalTime& other) {
  _physicalTime = _physicalTime - other._physicalTime;
  if (!_analogExists) return *this;
  _offsetTime = static_cast<double>(_offsetTime) - static_cast<double>(other._offsetTime);
  if (_offsetTime < UniversalReal::Get_TheConstantZero()) {
    _physicalTime = _physicalTime - UniversalInteger::Get_TheConstantOne();
    _offsetTime = static_cast<double>(_offsetTime) + 1.0;
  }
  return *this;
}

UniversalTime UniversalTime::operator+(const UniversalTime& other) const {
  UniversalTime sum = *this;
  return sum += other;
}

UniversalTime UniversalTime::operator-(const UniversalTime& other) const {
  UniversalTime difference = *this;
  return difference -= other;
}

UniversalTime UniversalTime::operator+(const UniversalInteger& ticks) const {
  return UniversalTime(_physicalTime + ticks, _offsetTime);
}

UniversalTime UniversalTime::operator-(const UniversalInteger& ticks) const {
  return UniversalTime(_physicalTime - ticks, _offsetTime);
}

UniversalTime UniversalTime::operator-(double seconds) const {
  // A NaN has no femtoseconds to take away.
  if (std::isnan(seconds)) throw UTypes_StatusCodeException(UTypes_Error);
  return TimeInternals::Normalized(_physicalTime,
                                   static_cast<double>(_offsetTime) - seconds * kFemtosecondsPerSecond);
}

UniversalTime UniversalTime::operator-(const UniversalReal& seconds) const {
  return *this - static_cast<double>(seconds);
}
