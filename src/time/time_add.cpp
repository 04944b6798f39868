// Time addition and subtraction: ticks exactly, offsets as doubles with
// whole femtoseconds carried into or borrowed from the ticks.
#include <cmath>

#include "integer/integer_sum.h"
#include "time/time_internals.h"

namespace {
constexpr double kFemtosecondsPerSecond = 1e15;
}  // namespace


namespace {

using universaltypes::detail::OverflowFlag;
using universaltypes::detail::SumOf;

constexpr UniversalInteger kOneTick = IntegerInternals::Make(IntegerInternals::kPlus, 1, 1, 0, 0);

// Both sums keep the class operators' order of steps: ticks first, then,
// while analog simulation is announced, the offsets with one carry (a sum)
// or one borrow (a difference) at most, whatever offsets a host's records
// hold. When the ticks overflow, result is left as it was; when the carry or
// borrow overflows, it holds the new ticks and the combined offset, which is
// what a compound operator leaves in its left operand.
template <bool kSubtract>
bool TryCombine(const UniversalTime& left, const UniversalTime& right, UniversalTime& result) {
  const UniversalInteger& rightTicks = TimeInternals::Ticks(right);
  const auto rightSign = static_cast<std::int16_t>(kSubtract ? -IntegerInternals::Sign(rightTicks)
                                                             : IntegerInternals::Sign(rightTicks));
  bool overflowed = false;
  const UniversalInteger ticks =
      SumOf(TimeInternals::Ticks(left), rightTicks, rightSign, OverflowFlag{&overflowed});
  if (overflowed) return false;
  TimeInternals::Ticks(result) = ticks;
  TimeInternals::SetOffset(result, TimeInternals::Offset(left));
  // A negative-zero operand can leave a negative-zero sum: records leave
  // canonical.
  if (!TimeInternals::AnalogExists()) {
    TimeInternals::WithCanonicalZeros(result);
    return true;
  }
  const double offset = kSubtract ? TimeInternals::Offset(left) - TimeInternals::Offset(right)
                                  : TimeInternals::Offset(right) + TimeInternals::Offset(left);
  TimeInternals::SetOffset(result, offset);
  if (kSubtract ? !(offset < 0.0) : !(offset >= 1.0)) {
    TimeInternals::WithCanonicalZeros(result);
    return true;
  }
  const UniversalInteger moved =
      SumOf(ticks, kOneTick, kSubtract ? IntegerInternals::kMinus : IntegerInternals::kPlus,
            OverflowFlag{&overflowed});
  if (overflowed) return false;
  TimeInternals::Ticks(result) = moved;
  TimeInternals::SetOffset(result, kSubtract ? offset + 1.0 : offset - 1.0);
  TimeInternals::WithCanonicalZeros(result);
  return true;
}

}  // namespace

bool TimeInternals::TrySum(const UniversalTime& left, const UniversalTime& right,
                           UniversalTime& sum) {
  if (TryCombine<false>(left, right, sum)) return true;
  IntegerInternals::NoteOverflow();
  return false;
}

bool TimeInternals::TryDifference(const UniversalTime& left, const UniversalTime& right,
                                  UniversalTime& difference) {
  if (TryCombine<true>(left, right, difference)) return true;
  IntegerInternals::NoteOverflow();
  return false;
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
