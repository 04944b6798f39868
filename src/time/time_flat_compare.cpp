// Flat time comparisons: 1 or 0 (0 for a null pointer).
#include "status/flat_call.h"
#include "universaltypes/universal_time.h"

using universaltypes::detail::RelationHolds;

int UniversalTimeEqualsUniversalTime(const UniversalTime* left, const UniversalTime* right) {
  return RelationHolds(left, right, [](const auto& a, const auto& b) { return a == b; });
}
int UniversalTimeNotEqualUniversalTime(const UniversalTime* left, const UniversalTime* right) {
  return RelationHolds(left, right, [](const auto& a, const auto& b) { return a != b; });
}
int UniversalTimeLessThanUniversalTime(const UniversalTime* left, const UniversalTime* right) {
  return RelationHolds(left, right, [](const auto& a, const auto& b) { return a < b; });
}
int UniversalTimeLessEqualUniversalTime(const UniversalTime* left, const UniversalTime* right) {
  return RelationHolds(left, right, [](const auto& a, const auto& b) { return a <= b; });
}
int UniversalTimeGreaterThanUniversalTime(const UniversalTime* left, const UniversalTime* right) {
  return RelationHolds(left, right, [](const auto& a, const auto& b) { return a > b; });
}
int UniversalTimeGreaterEqualUniversalTime(const UniversalTime* left, const UniversalTime* right) {
  return RelationHolds(left, right, [](const auto& a, const auto& b) { return a >= b; });
}
int UniversalTimeEqualsUniversalInteger(const UniversalTime* left, const UniversalInteger* right) {
  return RelationHolds(left, right, [](const auto& a, const auto& b) { return a == b; });
}
int UniversalTimeLessThanUniversalInteger(const UniversalTime* left,
                                          const UniversalInteger* right) {
  return RelationHolds(left, right, [](const auto& a, const auto& b) { return a < b; });
}
int UniversalTimeLessEqualUniversalInteger(const UniversalTime* left,
                                           const UniversalInteger* right) {
  return RelationHolds(left, right, [](const auto& a, const auto& b) { return a <= b; });
}
int UniversalTimeGreaterThanUniversalInteger(const UniversalTime* left,
                                             const UniversalInteger* right) {
  return RelationHolds(left, right, [](const auto& a, const auto& b) { return a > b; });
}
int UniversalTimeGreaterEqualUniversalInteger(const UniversalTime* left,
                                              const UniversalInteger* right) {
  return RelationHolds(left, right, [](const auto& a, const auto& b) { return a >= b; });
}
