// Signed sums of two records in machine words, for any record a host may
// send, with what to do on overflow left to the caller: the class operators
// throw, the flat calls return a status. Inline, so the time sums reach
// them without a call.
#ifndef UNIVERSALTYPES_SRC_INTEGER_INTEGER_SUM_H
#define UNIVERSALTYPES_SRC_INTEGER_INTEGER_SUM_H

#include "integer/integer_internals.h"
#include "integer/integer_order.h"
#include "integer/magnitude96.h"

namespace universaltypes::detail {

using RecordBits = Magnitude96::RecordBits;

// What the word loops compute, in two machine words, for any record: the
// subtraction runs over the words the larger operand's count covers and
// wraps there; a zero-count smaller operand leaves the larger as it is.
inline RecordBits DifferenceBits(const UniversalInteger& larger, const UniversalInteger& smaller,
                          std::int16_t largerSign) {
  if (IntegerInternals::Count(smaller) == 0) {
    UniversalInteger copy = larger;
    IntegerInternals::Sign(copy) = largerSign;
    return RecordBits::Of(copy);
  }
  const Magnitude96 mask = Magnitude96::CoverageMask(IntegerInternals::Count(larger));
  return Magnitude96::Subtract(Magnitude96::Whole(larger).MaskedBy(mask),
                               Magnitude96::Whole(smaller).MaskedBy(mask))
      .MaskedBy(mask)
      .BitsWithSign(largerSign);
}

// The sum runs over the words the larger count covers; a carry out of the
// top word is the only overflow (below three words it has room), handed to
// overflowed: a throw for the class operators, a flag the flat calls turn
// into their status.
template <typename Overflowed>
inline RecordBits SumBits(const UniversalInteger& left, const UniversalInteger& right,
                   std::int16_t rightSign, Overflowed overflowed) {
  const std::int16_t leftSign = IntegerInternals::Sign(left);
  if (leftSign == rightSign) {
    const Magnitude96 mask = Magnitude96::CoverageMask(
        std::max(IntegerInternals::Count(left), IntegerInternals::Count(right)));
    Magnitude96 sum;
    if (!Magnitude96::Add(Magnitude96::Whole(left).MaskedBy(mask),
                          Magnitude96::Whole(right).MaskedBy(mask), sum)) {
      overflowed();
    }
    return sum.BitsWithSign(leftSign);
  }
  switch (MagnitudeOrder(left, right)) {
    case Comparison_Greater:
      return DifferenceBits(left, right, leftSign);
    case Comparison_Less:
      return DifferenceBits(right, left, rightSign);
    case Comparison_Equal:
      break;
  }
  return Magnitude96::ZeroBits();  // x + (-x) is zero with sign +1
}

// Records with inexact counts, rare in practice, out of line: the common
// exact-count route is faster beside it (integer add benchmark).
template <typename Overflowed>
[[gnu::noinline]] inline UniversalInteger SumOfAnyRecords(const UniversalInteger& left,
                                                   const UniversalInteger& right, std::int16_t rightSign,
                                                   Overflowed overflowed) {
  return SumBits(left, right, rightSign, overflowed).Record();
}

// With exact counts the count order is the magnitude order and no word lies
// outside a count's coverage, so the word loops' masks and count comparisons
// drop out, whatever the sign fields hold.
template <typename Overflowed>
inline RecordBits ExactCountSumBits(const UniversalInteger& left, const UniversalInteger& right,
                             std::int16_t rightSign, Overflowed overflowed) {
  const std::int16_t leftSign = IntegerInternals::Sign(left);
  const Magnitude96 a = Magnitude96::Whole(left);
  const Magnitude96 b = Magnitude96::Whole(right);
  if (leftSign == rightSign) {
    Magnitude96 sum;
    if (!Magnitude96::Add(a, b, sum)) overflowed();
    return sum.BitsWithSign(leftSign);
  }
  const int order = a.OrderAgainst(b);
  if (order > 0) return Magnitude96::Subtract(a, b).BitsWithSign(leftSign);
  if (order < 0) return Magnitude96::Subtract(b, a).BitsWithSign(rightSign);
  return Magnitude96::ZeroBits();
}

// Both tests run before either decides, so they go side by side.
inline bool BothCountsExact(const UniversalInteger& left, const UniversalInteger& right) {
  const bool leftExact = Magnitude96::HasExactCount(left);
  const bool rightExact = Magnitude96::HasExactCount(right);
  return leftExact && rightExact;
}

// The sum's record as bits, for routes that go on computing in registers.
template <typename Overflowed>
inline RecordBits SumBitsOf(const UniversalInteger& left, const UniversalInteger& right, std::int16_t rightSign,
                            Overflowed overflowed) {
  if (BothCountsExact(left, right)) return ExactCountSumBits(left, right, rightSign, overflowed);
  return RecordBits::Of(SumOfAnyRecords(left, right, rightSign, overflowed));
}

template <typename Overflowed>
inline UniversalInteger SumOf(const UniversalInteger& left, const UniversalInteger& right, std::int16_t rightSign,
                       Overflowed overflowed) {
  if (BothCountsExact(left, right)) return ExactCountSumBits(left, right, rightSign, overflowed).Record();
  return SumOfAnyRecords(left, right, rightSign, overflowed);
}

// The flag's route: the status word is noted as a throw would note it.
struct OverflowFlag {
  bool* overflowed;
  void operator()() const { *overflowed = true; }
};
struct OverflowThrow {
  [[noreturn]] void operator()() const { IntegerInternals::ThrowOverflow(); }
};

}  // namespace universaltypes::detail

#endif  // UNIVERSALTYPES_SRC_INTEGER_INTEGER_SUM_H
