// Signed addition and subtraction, and the library's overflow check.
#include "integer/integer_internals.h"

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

UniversalInteger UniversalInteger::operator+(const UniversalInteger& other) const {
  UniversalInteger result;
  if (_sign == other._sign) {
    AddMagnitude(other, result);
    return result;
  }
  switch (CompareMagnitude(other)) {
    case Comparison_Greater:
      SubtractMagnitude(other, result);
      break;
    case Comparison_Less:
      other.SubtractMagnitude(*this, result);
      break;
    case Comparison_Equal:
      break;  // x + (-x) is zero with sign +1
  }
  return result;
}

UniversalInteger UniversalInteger::operator-(const UniversalInteger& other) const {
  UniversalInteger negated = other;
  negated._sign = static_cast<std::int16_t>(-negated._sign);
  return *this + negated;
}

UniversalInteger& UniversalInteger::operator+=(const UniversalInteger& other) {
  *this = *this + other;
  return *this;
}

UniversalInteger& UniversalInteger::operator-=(const UniversalInteger& other) {
  *this = *this - other;
  return *this;
}
