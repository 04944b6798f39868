// Time addition and subtraction: ticks exactly, offsets as doubles with
// whole femtoseconds carried into or borrowed from the ticks.
#include <cmath>

#include "time/time_internals.h"

namespace {
constexpr double kFemtosecondsPerSecond = 1e15;
}  // namespace

// Both sums keep the class operators' order of steps: ticks first, then,
// while analog simulation is announced, the offsets with one carry or borrow
// at most (two offsets in [0, 1) sum below 2.0 and differ above -1.0). When
// the ticks overflow, the result is left as it was; when the carry or borrow
// overflows, it holds the new ticks and the combined offset, which is what a
// compound operator leaves in its left operand.
bool TimeInternals::TrySum(const UniversalTime& left, const UniversalTime& right,
                           UniversalTime& sum) {
  return TryCombine(left, right, IntegerInternals::TryAdd, Offset(left) + Offset(right), sum);
}

bool TimeInternals::TryDifference(const UniversalTime& left, const UniversalTime& right,
                                  UniversalTime& difference) {
  return TryCombine(left, right, IntegerInternals::TrySubtract, Offset(left) - Offset(right),
                    difference);
}

bool TimeInternals::TryCombine(const UniversalTime& left, const UniversalTime& right,
                               TickStep step, double offset, UniversalTime& result) {
  UniversalInteger ticks = kOneTick;
  if (!step(left._physicalTime, right._physicalTime, ticks)) return false;
  result._physicalTime = ticks;
  result._offsetTime = left._offsetTime;
  if (!UniversalTime::_analogExists) return true;
  SetOffset(result, offset);
  // A sum only carries and a difference only borrows, whatever offsets a
  // host's records hold.
  if (step == IntegerInternals::TryAdd) {
    if (offset >= 1.0) return TryMoveWholeFemtosecond(IntegerInternals::TryAdd, -1.0, result);
  } else if (offset < 0.0) {
    return TryMoveWholeFemtosecond(IntegerInternals::TrySubtract, 1.0, result);
  }
  return true;
}

bool TimeInternals::TryMoveWholeFemtosecond(TickStep step, double offsetChange,
                                            UniversalTime& time) {
  UniversalInteger ticks = kOneTick;
  if (!step(time._physicalTime, kOneTick, ticks)) return false;
  time._physicalTime = ticks;
  SetOffset(time, Offset(time) + offsetChange);
  return true;
}

UniversalTime& UniversalTime::operator+=(const UniversalTime& other) {
  UniversalTime sum = *this;
  const bool fits = TimeInternals::TrySum(*this, other, sum);
  *this = sum;
  if (!fits) IntegerInternals::ThrowOverflowNoted();
  return *this;
}

UniversalTime& UniversalTime::operator-=(const UniversalTime& other) {
  UniversalTime difference = *this;
  const bool fits = TimeInternals::TryDifference(*this, other, difference);
  *this = difference;
  if (!fits) IntegerInternals::ThrowOverflowNoted();
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
