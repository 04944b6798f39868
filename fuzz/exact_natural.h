// An unbounded natural number on 32-bit limbs: just enough arithmetic for
// the literal reader's exact fractions. Deliberately plain (schoolbook, bit
// by bit) and sharing nothing with the library's fixed-width arithmetic.
#ifndef UNIVERSALTYPES_FUZZ_EXACT_NATURAL_H
#define UNIVERSALTYPES_FUZZ_EXACT_NATURAL_H

#include <cstdint>
#include <vector>

#include "support/int128.h"

namespace fuzz {

class ExactNatural {
 public:
  ExactNatural() = default;
  explicit ExactNatural(std::uint32_t value);

  bool IsZero() const { return limbs_.empty(); }
  // Bits up to and including the highest one; 0 for zero.
  int BitLength() const;

  // this = this * factor + addend.
  void MultiplyAdd(std::uint32_t factor, std::uint32_t addend);
  void ShiftLeft(int bits);
  // Requires other <= this.
  void Subtract(const ExactNatural& other);

  friend int Compare(const ExactNatural& left, const ExactNatural& right);

 private:
  void Trim();

  std::vector<std::uint32_t> limbs_;  // least significant first, no zero on top
};

// floor(dividend / divisor) into quotient with the remainder left in
// dividend, when the quotient is below 2^97; false (nothing divided) when it
// is certainly 2^96 or more. The divisor is not zero.
bool DivideWithNarrowQuotient(ExactNatural& dividend, const ExactNatural& divisor, u128& quotient);

// numerator / denominator, for 0 < numerator < denominator, rounded to the
// nearest double, ties to even, subnormals included.
double RoundedRatio(ExactNatural numerator, const ExactNatural& denominator);

}  // namespace fuzz

#endif  // UNIVERSALTYPES_FUZZ_EXACT_NATURAL_H
