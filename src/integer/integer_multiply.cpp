// Multiplication in machine words. The product keeps its low 96 bits (six
// digits) and the product of the signs; nothing reports a wider product.
// That wrap is intended and hosts rely on it. The schoolbook digit route is
// in digit_routes.cpp.
#include "integer/integer_internals.h"
#include "integer/magnitude96.h"

using universaltypes::detail::Magnitude96;
using universaltypes::detail::SignedMagnitude96;

// The digit rows read only the covered words, and their positions 0..5 are
// the low 96 bits of the product: exactly the limb product modulo 2^96. A
// plus zero by count covers no word, so its product is zero already.
UniversalInteger IntegerInternals::Multiply(const UniversalInteger& left,
                                            const UniversalInteger& right) {
  const auto sign = IntegerInternals::EitherIsPlusZeroByCount(left, right)
                        ? kPlus
                        : static_cast<std::int16_t>(left._sign * right._sign);
  return Magnitude96::ProductModulo96(Magnitude96::Covered(left), Magnitude96::Covered(right))
      .WithSign(sign);
}

UniversalInteger UniversalInteger::operator*(const UniversalInteger& other) const {
  return IntegerInternals::Multiply(*this, other);
}

UniversalInteger UniversalInteger::operator*(int other) const {
  return SignedMagnitude96::ProductByInt(*this, other).Record();
}
