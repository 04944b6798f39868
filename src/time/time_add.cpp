// Time addition and subtraction: ticks exactly, offsets as doubles with
// whole femtoseconds carried into or borrowed from the ticks.
#include <cmath>

#include "time/time_internals.h"

namespace {
constexpr double kFemtosecondsPerSecond = 1e15;
}

UniversalTime& UniversalTime::operator+=(const UniversalTime& other) {
  _physicalTime = IntegerInternals::Add(_physicalTime, other._physicalTime);
  if (!_analogExists) return TimeInternals::WithCanonicalZeros(*this);
  const double offset = TimeInternals::Offset(other) + TimeInternals::Offset(*this);
  TimeInternals::SetOffset(*this, offset);
  // Two offsets below 1.0 sum below 2.0: one carry at most.
  if (offset >= 1.0) {
    _physicalTime = IntegerInternals::Add(_physicalTime, UniversalInteger::Get_TheConstantOne());
    TimeInternals::SetOffset(*this, offset - 1.0);
  }
  return TimeInternals::WithCanonicalZeros(*this);
}

UniversalTime& UniversalTime::operator-=(const UniversalTime& other) {
  _physicalTime = IntegerInternals::Subtract(_physicalTime, other._physicalTime);
  if (!_analogExists) return TimeInternals::WithCanonicalZeros(*this);
  const double offset = TimeInternals::Offset(*this) - TimeInternals::Offset(other);
  TimeInternals::SetOffset(*this, offset);
  if (offset < 0.0) {
    _physicalTime =
        IntegerInternals::Subtract(_physicalTime, UniversalInteger::Get_TheConstantOne());
    TimeInternals::SetOffset(*this, offset + 1.0);
  }
  return TimeInternals::WithCanonicalZeros(*this);
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
  return UniversalTime(IntegerInternals::Add(_physicalTime, ticks), _offsetTime);
}

UniversalTime UniversalTime::operator-(const UniversalInteger& ticks) const {
  return UniversalTime(IntegerInternals::Subtract(_physicalTime, ticks), _offsetTime);
}

UniversalTime UniversalTime::operator-(double seconds) const {
  // A NaN has no femtoseconds to take away.
  if (std::isnan(seconds)) throw UTypes_StatusCodeException(UTypes_Error);
  return TimeInternals::Normalized(_physicalTime,
                                   TimeInternals::Offset(*this) - seconds * kFemtosecondsPerSecond);
}

UniversalTime UniversalTime::operator-(const UniversalReal& seconds) const {
  return *this - static_cast<double>(seconds);
}
