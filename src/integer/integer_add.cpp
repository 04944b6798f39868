// Signed addition and subtraction in machine words, and the library's
// overflow check. The digit routes are in digit_routes.cpp.
#include "integer/integer_internals.h"
#include "integer/integer_sum.h"

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
