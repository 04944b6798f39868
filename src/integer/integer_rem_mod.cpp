// rem takes the sign of the dividend, mod the sign of the divisor. Both read
// a zero divisor of either sign as zero: rem gives 0, mod gives the dividend.
#include "integer/integer_internals.h"

UniversalInteger UniversalInteger::rem(const UniversalInteger& divisor) const {
  if (IntegerInternals::HasZeroMagnitude(divisor) || IntegerInternals::HasZeroMagnitude(*this)) {
    return _zero;
  }
  UniversalInteger quotient;
  UniversalInteger remainder;
  IntegerInternals::Divide(*this, divisor, quotient, remainder);
  // The division's remainder is |a| - |q||b|; it carries the dividend's sign.
  if (remainder._count != 0) remainder._sign = _sign;
  return remainder;
}

UniversalInteger UniversalInteger::mod(const UniversalInteger& divisor) const {
  if (IntegerInternals::HasZeroMagnitude(*this)) return _zero;
  if (IntegerInternals::HasZeroMagnitude(divisor)) return *this;
  const UniversalInteger remainder = rem(divisor);
  // |remainder| < |divisor|, so moving it to the divisor's side cannot overflow.
  if (remainder._count != 0 && remainder._sign != divisor._sign) return remainder + divisor;
  return remainder;
}
