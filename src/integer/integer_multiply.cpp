// Schoolbook multiplication over 16-bit short digits. The product keeps its
// low 96 bits (six digits) and the product of the signs; nothing reports a
// wider product. That wrap is intended and hosts rely on it.
#include "integer/integer_internals.h"
#include "integer/magnitude96.h"

namespace {

constexpr int kExtendedDigits = 8;

// A plus zero by count (whatever its words hold) is the one factor that makes
// the product +0, dropping the other operand's sign.
bool EitherIsPlusZeroByCount(const UniversalInteger& left, const UniversalInteger& right) {
  return (IntegerInternals::Count(left) == 0 && IntegerInternals::Sign(left) == 1) ||
         (IntegerInternals::Count(right) == 0 && IntegerInternals::Sign(right) == 1);
}

}  // namespace

void UniversalInteger::MultiplyByOneDigit(std::uint16_t digit,
                                          UniversalIntegerExtended& accumulator,
                                          int shift) const {
  if (digit == 0) return;
  const int digits = IntegerInternals::ClampedCount(_count);
  std::uint32_t carry = 0;
  for (int index = 0; index < digits; ++index) {
    const int position = index + shift;
    // Positions past the accumulator read as zero and are dropped; they are
    // only reached by products wider than 96 bits and never feed 0..5.
    const std::uint32_t existing =
        position < kExtendedDigits ? accumulator.digits[position] : 0u;
    // 65535 * 65535 + 65535 + 65535 is exactly 2^32 - 1: nothing is lost.
    const std::uint32_t step =
        std::uint32_t{IntegerInternals::ShortDigit(*this, index)} * digit + carry + existing;
    if (position < kExtendedDigits) accumulator.digits[position] = static_cast<std::uint16_t>(step);
    carry = step >> 16;
  }
  // Stored, not added: rows are accumulated in increasing shift, so this
  // position has not been written yet.
  const int top = digits + shift;
  if (top < accumulator.count && top < kExtendedDigits) {
    accumulator.digits[top] = static_cast<std::uint16_t>(carry);
  }
}

UniversalInteger IntegerInternals::MultiplyDigitByDigit(const UniversalInteger& left,
                                                        const UniversalInteger& right) {
  if (EitherIsPlusZeroByCount(left, right)) return UniversalInteger::_zero;
  // Only positions 0..5 make the result: the magnitude modulo 2^96. A zero
  // magnitude keeps the product of the signs (a negative zero is possible).
  return FromExtended(ProductDigits(InShortDigitForm(left), InShortDigitForm(right)),
                      static_cast<std::int16_t>(left._sign * right._sign));
}

// The digit rows read only the covered words, and their positions 0..5 are
// the low 96 bits of the product: exactly the limb product modulo 2^96. A
// plus zero by count covers no word, so its product is zero already.
UniversalInteger IntegerInternals::Multiply(const UniversalInteger& left,
                                            const UniversalInteger& right) {
  const auto sign = EitherIsPlusZeroByCount(left, right)
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

UniversalIntegerExtended IntegerInternals::ProductDigits(const UniversalInteger& left,
                                                         const UniversalInteger& right) {
  UniversalIntegerExtended product{1, static_cast<std::int16_t>(left._count + right._count), {}};
  for (int row = 0; row < right._count; ++row) {
    left.MultiplyByOneDigit(ShortDigit(right, row), product, row);
  }
  return product;
}

UniversalInteger IntegerInternals::CheckedMagnitudeProduct(const UniversalInteger& a,
                                                           const UniversalInteger& b) {
  const UniversalInteger left = InShortDigitForm(a);
  const UniversalInteger right = InShortDigitForm(b);
  if (left._count == 0 || right._count == 0) return UniversalInteger::_zero;
  // Top digits of c1 and c2 digits make a product of at least 2^(16(c1+c2-2)):
  // eight digits between them is past 96 bits before any row is computed.
  if (left._count + right._count > kMaxDigits + 1) ThrowOverflow();
  const UniversalIntegerExtended product = ProductDigits(left, right);
  if (product.digits[kMaxDigits] != 0) ThrowOverflow();
  return FromExtended(product, kPlus);
}
