// Flat comparisons: 1 when the relation holds, 0 otherwise (also for a null
// record pointer). They never throw.
#include "status/flat_call.h"
#include "universaltypes/universal_integer.h"

using universaltypes::detail::RelationHolds;

int UniversalIntegerEqualsUniversalInteger(const UniversalInteger* left,
                                           const UniversalInteger* right) {
  return RelationHolds(left, right, [](const auto& a, const auto& b) { return a == b; });
}
int UniversalIntegerNotEqualUniversalInteger(const UniversalInteger* left,
                                             const UniversalInteger* right) {
  return RelationHolds(left, right, [](const auto& a, const auto& b) { return a != b; });
}
int UniversalIntegerLessThanUniversalInteger(const UniversalInteger* left,
                                             const UniversalInteger* right) {
  return RelationHolds(left, right, [](const auto& a, const auto& b) { return a < b; });
}
int UniversalIntegerLessEqualUniversalInteger(const UniversalInteger* left,
                                              const UniversalInteger* right) {
  return RelationHolds(left, right, [](const auto& a, const auto& b) { return a <= b; });
}
int UniversalIntegerGreaterThanUniversalInteger(const UniversalInteger* left,
                                                const UniversalInteger* right) {
  return RelationHolds(left, right, [](const auto& a, const auto& b) { return a > b; });
}
int UniversalIntegerGreaterEqualUniversalInteger(const UniversalInteger* left,
                                                 const UniversalInteger* right) {
  return RelationHolds(left, right, [](const auto& a, const auto& b) { return a >= b; });
}
int UniversalIntegerMagnitudeLessThanUniversalInteger(const UniversalInteger* left,
                                                      const UniversalInteger* right) {
  return RelationHolds(left, right,
               [](const auto& a, const auto& b) { return a.CompareMagnitude(b) == Comparison_Less; });
}
int UniversalIntegerMagnitudeGreaterThanUniversalInteger(const UniversalInteger* left,
                                                         const UniversalInteger* right) {
  return RelationHolds(left, right, [](const auto& a, const auto& b) {
    return a.CompareMagnitude(b) == Comparison_Greater;
  });
}
