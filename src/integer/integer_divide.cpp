// Division and remainder of integers in machine words; algorithm D
// (digit_division.cpp) where the platform has no division that wide.
#include "integer/integer_internals.h"
#include "integer/magnitude96.h"

using universaltypes::detail::Magnitude96;

namespace {

// The covered magnitudes' quotient and remainder; false for a zero dividend
// of either sign (whose quotient and remainder are +0 over any divisor).
// Algorithm D's results are the exact ones, so any exact division of the
// same covered magnitudes gives the same records.
// Inline in each caller (integer divide, rem and mod benchmarks).
[[gnu::always_inline]] inline bool DivideCovered(const UniversalInteger& dividend,
                                                 const UniversalInteger& divisor, Magnitude96& quotient,
                                                 Magnitude96& remainder) {
  const Magnitude96 a = Magnitude96::Covered(dividend);
  const Magnitude96 b = Magnitude96::Covered(divisor);
  if (a.IsZero()) return false;
  if (b.IsZero()) throw UTypes_StatusCodeException(UTypes_Error);
  Magnitude96::Divide(a, b, quotient, remainder);
  return true;
}

// Each result takes the product of the signs when nonzero.
Magnitude96::RecordBits SignedBits(const Magnitude96& magnitude, const UniversalInteger& dividend,
                                   const UniversalInteger& divisor) {
  const auto sign = static_cast<std::int16_t>(IntegerInternals::Sign(dividend) *
                                              IntegerInternals::Sign(divisor));
  return magnitude.BitsWithSign(magnitude.IsZero() ? IntegerInternals::kPlus : sign);
}

Magnitude96::RecordBits QuotientBits(const UniversalInteger& dividend,
                                     const UniversalInteger& divisor) {
  Magnitude96 quotient{0, 0};
  Magnitude96 remainder{0, 0};
  DivideCovered(dividend, divisor, quotient, remainder);
  return SignedBits(quotient, dividend, divisor);
}

}  // namespace

void IntegerInternals::Divide(const UniversalInteger& dividend, const UniversalInteger& divisor,
                              UniversalInteger& quotient, UniversalInteger& remainder) {
  Magnitude96 wordQuotient{0, 0};
  Magnitude96 wordRemainder{0, 0};
  DivideCovered(dividend, divisor, wordQuotient, wordRemainder);
  quotient = SignedBits(wordQuotient, dividend, divisor).Record();
  remainder = SignedBits(wordRemainder, dividend, divisor).Record();
}

UniversalInteger IntegerInternals::Quotient(const UniversalInteger& dividend,
                                            const UniversalInteger& divisor) {
  return QuotientBits(dividend, divisor).Record();
}

UniversalInteger UniversalInteger::operator/(const UniversalInteger& divisor) const {
  return IntegerInternals::Quotient(*this, divisor);
}

UniversalInteger UniversalInteger::operator/(int divisor) const {
  return IntegerInternals::Quotient(*this, UniversalInteger(divisor));
}
