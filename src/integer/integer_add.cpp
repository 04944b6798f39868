// Signed addition and subtraction, and the library's overflow check.
#include "integer/integer_internals.h"
#include "integer/integer_sum.h"

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

using universaltypes::detail::OverflowFlag;
using universaltypes::detail::OverflowThrow;
using universaltypes::detail::SumOf;

bool IntegerInternals::TryAddWithSign(const UniversalInteger& left, const UniversalInteger& right,
                                      std::int16_t rightSign, UniversalInteger& sum) {
  bool overflowed = false;
  sum = SumOf(left, right, rightSign, OverflowFlag{&overflowed});
  if (overflowed) NoteOverflow();
  return !overflowed;
}

int IntegerInternals::SumIntoRecord(const UniversalInteger* left, const UniversalInteger* right,
                                    bool subtract, UniversalInteger* result) {
  if (left == nullptr || right == nullptr || result == nullptr) return UTypes_Error;
  const std::int16_t rightSign = subtract ? static_cast<std::int16_t>(-right->_sign) : right->_sign;
  bool overflowed = false;
  const UniversalInteger sum = SumOf(*left, *right, rightSign, OverflowFlag{&overflowed});
  if (overflowed) {
    NoteOverflow();
    return UTypes_Overflow;
  }
  *result = sum;
  return UTypes_OK;
}

UniversalInteger IntegerInternals::AddWithSign(const UniversalInteger& left,
                                               const UniversalInteger& right,
                                               std::int16_t rightSign) {
  return SumOf(left, right, rightSign, OverflowThrow{});
}

UniversalInteger IntegerInternals::Add(const UniversalInteger& left, const UniversalInteger& right) {
  return AddWithSign(left, right, right._sign);
}

UniversalInteger IntegerInternals::Subtract(const UniversalInteger& left,
                                            const UniversalInteger& right) {
  return AddWithSign(left, right, static_cast<std::int16_t>(-right._sign));
}

UniversalInteger UniversalInteger::operator+(const UniversalInteger& other) const {
  return IntegerInternals::Add(*this, other);
}

UniversalInteger UniversalInteger::operator-(const UniversalInteger& other) const {
  return IntegerInternals::Subtract(*this, other);
}

UniversalInteger& UniversalInteger::operator+=(const UniversalInteger& other) {
  *this = IntegerInternals::Add(*this, other);
  return *this;
}

UniversalInteger& UniversalInteger::operator-=(const UniversalInteger& other) {
  *this = IntegerInternals::Subtract(*this, other);
  return *this;
}
