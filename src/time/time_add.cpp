// Time addition and subtraction: ticks exactly, offsets as doubles with
// whole femtoseconds carried into or borrowed from the ticks.
#include <cmath>
#include <cstdint>
#include <cstring>

#include "integer/integer_sum.h"
#include "time/femtoseconds.h"
#include "time/time_internals.h"

namespace {
constexpr double kFemtosecondsPerSecond = universaltypes::detail::kFemtosecondsPerSecondAsDouble;
}  // namespace


namespace {

using universaltypes::detail::ExactCountSumBits;
using universaltypes::detail::OverflowFlag;
using universaltypes::detail::RecordBits;
using universaltypes::detail::SumBitsOf;

constexpr UniversalInteger kOneTick = IntegerInternals::Make(IntegerInternals::kPlus, 1, 1, 0, 0);

// The result's ticks and offset stored whole, zeros made canonical (a -0.0
// offset as +0.0, a negative zero tick count as +0). Stored whole rather
// than field by field: in a chain of sums (t = t + delay, the event queue
// benchmark) the partial stores cost more than the arithmetic.
void StoreCanonical(UniversalTime& time, const RecordBits& ticks, double offset) {
  typedef std::uint64_t TickBytes __attribute__((vector_size(16)));
  const RecordBits canonical = ticks.WithPositiveZero();
  const TickBytes tickBytes = {canonical.halves[0], canonical.halves[1]};
  const double canonicalOffset = offset == 0.0 ? 0.0 : offset;
  auto* bytes = reinterpret_cast<unsigned char*>(&time);
  std::memcpy(bytes, &tickBytes, sizeof tickBytes);
  std::memcpy(bytes + sizeof tickBytes, &canonicalOffset, sizeof canonicalOffset);
}

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
  const RecordBits ticks = SumBitsOf(TimeInternals::Ticks(left), rightTicks, rightSign, OverflowFlag{&overflowed});
  if (overflowed) return false;
  if (!TimeInternals::AnalogExists()) {
    StoreCanonical(result, ticks, TimeInternals::Offset(left));
    return true;
  }
  const double offset = kSubtract ? TimeInternals::Offset(left) - TimeInternals::Offset(right)
                                  : TimeInternals::Offset(right) + TimeInternals::Offset(left);
  if (kSubtract ? !(offset < 0.0) : !(offset >= 1.0)) {
    StoreCanonical(result, ticks, offset);
    return true;
  }
  // The sum's count is exact, so the carry takes the exact-count route.
  const RecordBits moved =
      ExactCountSumBits(ticks.Record(), kOneTick, kSubtract ? IntegerInternals::kMinus : IntegerInternals::kPlus,
                        OverflowFlag{&overflowed});
  if (overflowed) {
    StoreCanonical(result, ticks, offset);
    return false;
  }
  StoreCanonical(result, moved, kSubtract ? offset + 1.0 : offset - 1.0);
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

// Built in the returned record, not through the compound operator (faster
// in the time add benchmark); the steps are the same.
UniversalTime UniversalTime::operator+(const UniversalTime& other) const {
  UniversalTime sum = *this;
  if (!TimeInternals::TrySum(*this, other, sum)) IntegerInternals::ThrowOverflowNoted();
  return sum;
}

UniversalTime UniversalTime::operator-(const UniversalTime& other) const {
  UniversalTime difference = *this;
  if (!TimeInternals::TryDifference(*this, other, difference)) IntegerInternals::ThrowOverflowNoted();
  return difference;
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
