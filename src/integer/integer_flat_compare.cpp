// Flat comparisons: 1 when the relation holds, 0 otherwise (also for a null
// record pointer). They never throw.
#include "integer/integer_order.h"
#include "status/flat_call.h"

using universaltypes::detail::MagnitudeOrder;
using universaltypes::detail::RelationHolds;
using universaltypes::detail::SignedEqual;
using universaltypes::detail::SignedOrder;

int UniversalIntegerEqualsUniversalInteger(const UniversalInteger* left,
                                           const UniversalInteger* right) {
  return RelationHolds(left, right,
                       [](const auto& a, const auto& b) { return SignedEqual(a, b); });
}
int UniversalIntegerNotEqualUniversalInteger(const UniversalInteger* left,
                                             const UniversalInteger* right) {
  return RelationHolds(left, right,
                       [](const auto& a, const auto& b) { return !SignedEqual(a, b); });
}
int UniversalIntegerLessThanUniversalInteger(const UniversalInteger* left,
                                             const UniversalInteger* right) {
  return RelationHolds(left, right,
                       [](const auto& a, const auto& b) { return SignedOrder(a, b) < 0; });
}
int UniversalIntegerLessEqualUniversalInteger(const UniversalInteger* left,
                                              const UniversalInteger* right) {
  return RelationHolds(left, right,
                       [](const auto& a, const auto& b) { return SignedOrder(a, b) <= 0; });
}
int UniversalIntegerGreaterThanUniversalInteger(const UniversalInteger* left,
                                                const UniversalInteger* right) {
  return RelationHolds(left, right,
                       [](const auto& a, const auto& b) { return SignedOrder(a, b) > 0; });
}
int UniversalIntegerGreaterEqualUniversalInteger(const UniversalInteger* left,
                                                 const UniversalInteger* right) {
  return RelationHolds(left, right,
                       [](const auto& a, const auto& b) { return SignedOrder(a, b) >= 0; });
}
int UniversalIntegerMagnitudeLessThanUniversalInteger(const UniversalInteger* left,
                                                      const UniversalInteger* right) {
  return RelationHolds(left, right, [](const auto& a, const auto& b) {
    return MagnitudeOrder(a, b) == Comparison_Less;
  });
}
int UniversalIntegerMagnitudeGreaterThanUniversalInteger(const UniversalInteger* left,
                                                         const UniversalInteger* right) {
  return RelationHolds(left, right, [](const auto& a, const auto& b) {
    return MagnitudeOrder(a, b) == Comparison_Greater;
  });
}
