// Magnitude comparison and the six signed relations.
#include "integer/integer_internals.h"

UniversalInteger_Comparison_t UniversalInteger::CompareMagnitude(
    const UniversalInteger& other) const {
  if (_count != other._count) return _count > other._count ? Comparison_Greater : Comparison_Less;
  // Equal counts of 0, or counts outside 1..6, read no word at all.
  if (_count < 1 || _count > IntegerInternals::kMaxDigits) return Comparison_Equal;
  for (int word = IntegerInternals::CoveredWords(_count) - 1; word >= 0; --word) {
    if (_words[word] != other._words[word]) {
      return _words[word] > other._words[word] ? Comparison_Greater : Comparison_Less;
    }
  }
  return Comparison_Equal;
}

namespace {

// Signed order: the sign fields decide first; with equal signs the magnitude
// order holds for +1 and flips for any other sign. Returns <0, 0 or >0.
int SignedOrder(std::int16_t leftSign, std::int16_t rightSign,
                UniversalInteger_Comparison_t magnitudeOrder) {
  if (leftSign != rightSign) return leftSign < rightSign ? -1 : 1;
  const int order = static_cast<int>(magnitudeOrder) - static_cast<int>(Comparison_Equal);
  return leftSign == 1 ? order : -order;
}

int SignedOrder(const UniversalInteger& left, const UniversalInteger& right) {
  return SignedOrder(IntegerInternals::Sign(left), IntegerInternals::Sign(right),
                     left.CompareMagnitude(right));
}

}  // namespace

bool UniversalInteger::operator==(const UniversalInteger& other) const {
  return SignedOrder(*this, other) == 0;
}
bool UniversalInteger::operator!=(const UniversalInteger& other) const {
  return SignedOrder(*this, other) != 0;
}
bool UniversalInteger::operator<(const UniversalInteger& other) const {
  return SignedOrder(*this, other) < 0;
}
bool UniversalInteger::operator<=(const UniversalInteger& other) const {
  return SignedOrder(*this, other) <= 0;
}
bool UniversalInteger::operator>(const UniversalInteger& other) const {
  return SignedOrder(*this, other) > 0;
}
bool UniversalInteger::operator>=(const UniversalInteger& other) const {
  return SignedOrder(*this, other) >= 0;
}
