// rem takes the sign of the dividend, mod the sign of the divisor. Both read
// a zero divisor of either sign as zero: rem gives 0, mod gives the dividend.
#include "integer/integer_internals.h"
#include "integer/magnitude96.h"

using universaltypes::detail::Magnitude96;

namespace {

using RecordBits = Magnitude96::RecordBits;

// The remainder is |a| - |q||b| with the dividend's sign, and a zero divisor
// of either sign reads as zero.
RecordBits RemainderBits(const UniversalInteger& dividend, const UniversalInteger& divisor) {
  const Magnitude96 a = Magnitude96::Covered(dividend);
  const Magnitude96 b = Magnitude96::Covered(divisor);
  if (a.IsZero() || b.IsZero()) return Magnitude96::ZeroBits();
  Magnitude96 quotient;
  Magnitude96 remainder;
  Magnitude96::Divide(a, b, quotient, remainder);
  return remainder.BitsWithSign(remainder.IsZero() ? IntegerInternals::kPlus
                                                   : IntegerInternals::Sign(dividend));
}

// A remainder on the other side of zero from the divisor moves to its side:
// remainder + divisor, which cannot overflow as |remainder| < |divisor|.
RecordBits ModuloBits(const UniversalInteger& dividend, const UniversalInteger& divisor) {
  const Magnitude96 a = Magnitude96::Covered(dividend);
  const Magnitude96 b = Magnitude96::Covered(divisor);
  if (a.IsZero()) return Magnitude96::ZeroBits();
  if (b.IsZero()) return RecordBits::Of(dividend);
  Magnitude96 quotient;
  Magnitude96 remainder;
  Magnitude96::Divide(a, b, quotient, remainder);
  const std::int16_t dividendSign = IntegerInternals::Sign(dividend);
  const std::int16_t divisorSign = IntegerInternals::Sign(divisor);
  if (remainder.IsZero()) return Magnitude96::ZeroBits();
  if (dividendSign == divisorSign) return remainder.BitsWithSign(dividendSign);
  // With an exact count the divisor's magnitude is its covered one, and the
  // sum's magnitude order is known: |divisor| - |remainder| on its side.
  if (Magnitude96::HasExactCount(divisor)) {
    return Magnitude96::Subtract(b, remainder).BitsWithSign(divisorSign);
  }
  return RecordBits::Of(IntegerInternals::Add(remainder.WithSign(dividendSign), divisor));
}

}  // namespace

UniversalInteger IntegerInternals::Remainder(const UniversalInteger& dividend,
                                             const UniversalInteger& divisor) {
  return RemainderBits(dividend, divisor).Record();
}

UniversalInteger IntegerInternals::Modulo(const UniversalInteger& dividend,
                                          const UniversalInteger& divisor) {
  return ModuloBits(dividend, divisor).Record();
}

UniversalInteger UniversalInteger::rem(const UniversalInteger& divisor) const {
  return IntegerInternals::Remainder(*this, divisor);
}

UniversalInteger UniversalInteger::mod(const UniversalInteger& divisor) const {
  return IntegerInternals::Modulo(*this, divisor);
}
