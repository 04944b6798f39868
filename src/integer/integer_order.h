// The orders of UniversalInteger records, inline so the operators and the
// flat comparisons share them without a call through the exported names.
#ifndef UNIVERSALTYPES_SRC_INTEGER_INTEGER_ORDER_H
#define UNIVERSALTYPES_SRC_INTEGER_INTEGER_ORDER_H

#include "integer/magnitude96.h"

namespace universaltypes::detail {

// The digit counts decide first. Equal counts cover the same words, and only
// those are compared; counts outside 1..6 read no word and compare equal.
inline UniversalInteger_Comparison_t MagnitudeOrder(const UniversalInteger& left,
                                                    const UniversalInteger& right) {
  const std::int16_t count = IntegerInternals::Count(left);
  const std::int16_t otherCount = IntegerInternals::Count(right);
  if (count != otherCount) return count > otherCount ? Comparison_Greater : Comparison_Less;
  if (count > IntegerInternals::kMaxDigits) return Comparison_Equal;
  const int order = Magnitude96::Covered(left).OrderAgainst(Magnitude96::Covered(right));
  return static_cast<UniversalInteger_Comparison_t>(order + Comparison_Equal);
}

// Signed order, <0, 0 or >0: the sign fields decide first; with equal signs
// the magnitude order holds for +1 and flips for any other sign.
inline int SignedOrder(const UniversalInteger& left, const UniversalInteger& right) {
  const std::int16_t leftSign = IntegerInternals::Sign(left);
  const std::int16_t rightSign = IntegerInternals::Sign(right);
  if (leftSign != rightSign) return leftSign < rightSign ? -1 : 1;
  const int order = static_cast<int>(MagnitudeOrder(left, right)) - static_cast<int>(Comparison_Equal);
  return leftSign == 1 ? order : -order;
}

// SignedOrder(left, right) == 0, without working out the order: equal sign
// fields, equal counts, and then counts above six (which read no word) or
// equal covered words.
inline bool SignedEqual(const UniversalInteger& left, const UniversalInteger& right) {
  const std::int16_t count = IntegerInternals::Count(left);
  if (IntegerInternals::Sign(left) != IntegerInternals::Sign(right) || count != IntegerInternals::Count(right)) {
    return false;
  }
  if (count > IntegerInternals::kMaxDigits) return true;
  const Magnitude96 mask = Magnitude96::CoverageMask(count);
  const Magnitude96 a = Magnitude96::Whole(left);
  const Magnitude96 b = Magnitude96::Whole(right);
  return (((a.low ^ b.low) & mask.low) | ((a.high ^ b.high) & mask.high)) == 0;
}

}  // namespace universaltypes::detail

#endif  // UNIVERSALTYPES_SRC_INTEGER_INTEGER_ORDER_H
