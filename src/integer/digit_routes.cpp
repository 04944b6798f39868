// The 16-bit digit routes of addition, subtraction and multiplication: the
// schoolbook steps the record's members describe. The operators run the
// word routes beside them (integer_add.cpp, integer_multiply.cpp); these
// stay as the reference those are tested against, for the exported members
// that name them, and for the checked product of the literal parser.
#include "integer/integer_internals.h"

namespace {

constexpr int kExtendedDigits = 8;

}  // namespace

void UniversalInteger::AddMagnitude(const UniversalInteger& other,
                                    UniversalInteger& result) const {
  result = _zero;
  result._sign = _sign;
  const int digits =
      std::max(IntegerInternals::ClampedCount(_count), IntegerInternals::ClampedCount(other._count));
  if (digits == 0) return;
  const int words = (digits + 1) / 2;
  std::uint32_t carry = 0;
  for (int word = 0; word < words; ++word) {
    const std::uint64_t sum =
        std::uint64_t{_words[word]} + std::uint64_t{other._words[word]} + carry;
    result._words[word] = static_cast<std::uint32_t>(sum);
    carry = static_cast<std::uint32_t>(sum >> 32);
  }
  if (carry != 0) {
    // A carry out of the top word of a six-digit sum is the only overflow.
    if (words == 3) IntegerInternals::ThrowOverflow();
    result._words[words] = carry;
  }
  result._count = IntegerInternals::CountFromWords(result._words);
}

void UniversalInteger::SubtractMagnitude(const UniversalInteger& other,
                                         UniversalInteger& result) const {
  result = _zero;
  result._sign = _sign;
  if (other._count == 0) {
    result = *this;
    return;
  }
  std::uint32_t borrow = 0;
  for (int word = 0; word < IntegerInternals::CoveredWords(_count); ++word) {
    const std::uint64_t difference =
        std::uint64_t{_words[word]} - std::uint64_t{other._words[word]} - borrow;
    result._words[word] = static_cast<std::uint32_t>(difference);
    borrow = static_cast<std::uint32_t>(difference >> 63);
  }
  result._count = IntegerInternals::CountFromWords(result._words);
}

UniversalInteger IntegerInternals::AddWordByWord(const UniversalInteger& left,
                                                 const UniversalInteger& right) {
  UniversalInteger result;
  if (left._sign == right._sign) {
    left.AddMagnitude(right, result);
    return result;
  }
  switch (left.CompareMagnitude(right)) {
    case Comparison_Greater:
      left.SubtractMagnitude(right, result);
      break;
    case Comparison_Less:
      right.SubtractMagnitude(left, result);
      break;
    case Comparison_Equal:
      break;  // x + (-x) is zero with sign +1
  }
  return result;
}

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
