// Magnitude comparison and the six signed relations.
#include "integer/integer_order.h"

using universaltypes::detail::MagnitudeOrder;
using universaltypes::detail::SignedEqual;
using universaltypes::detail::SignedOrder;

UniversalInteger_Comparison_t UniversalInteger::CompareMagnitude(
    const UniversalInteger& other) const {
  return MagnitudeOrder(*this, other);
}

bool UniversalInteger::operator==(const UniversalInteger& other) const {
  return SignedEqual(*this, other);
}
bool UniversalInteger::operator!=(const UniversalInteger& other) const {
  return !SignedEqual(*this, other);
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
