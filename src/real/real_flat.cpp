// Flat real functions: IEEE arithmetic never fails, so they return 0.
#include "status/flat_call.h"
#include "universaltypes/universal_real.h"

using universaltypes::detail::ApplyIntoRecord;
using universaltypes::detail::RelationHolds;

int UniversalRealPlusUniversalReal(const UniversalReal* left, const UniversalReal* right,
                                   UniversalReal* result) {
  return ApplyIntoRecord(left, right, result, [](const auto& a, const auto& b) { return a + b; });
}
int UniversalRealMinusUniversalReal(const UniversalReal* left, const UniversalReal* right,
                                    UniversalReal* result) {
  return ApplyIntoRecord(left, right, result, [](const auto& a, const auto& b) { return a - b; });
}
int UniversalRealTimesDouble(const UniversalReal* left, double right, UniversalReal* result) {
  return ApplyIntoRecord(left, right, result, [](const auto& a, const double& b) { return a * b; });
}
int UniversalRealTimesInt(const UniversalReal* left, int right, UniversalReal* result) {
  return ApplyIntoRecord(left, right, result, [](const auto& a, const int& b) { return a * b; });
}
int UniversalRealDividedByDouble(const UniversalReal* left, double right, UniversalReal* result) {
  return ApplyIntoRecord(left, right, result, [](const auto& a, const double& b) { return a / b; });
}
int UniversalRealDividedByInt(const UniversalReal* left, int right, UniversalReal* result) {
  return ApplyIntoRecord(left, right, result, [](const auto& a, const int& b) { return a / b; });
}

int UniversalRealEqualsUniversalReal(const UniversalReal* left, const UniversalReal* right) {
  return RelationHolds(left, right, [](const auto& a, const auto& b) { return a == b; });
}
int UniversalRealNotEqualUniversalReal(const UniversalReal* left, const UniversalReal* right) {
  return RelationHolds(left, right, [](const auto& a, const auto& b) { return a != b; });
}
int UniversalRealLessThanUniversalReal(const UniversalReal* left, const UniversalReal* right) {
  return RelationHolds(left, right, [](const auto& a, const auto& b) { return a < b; });
}
int UniversalRealLessEqualUniversalReal(const UniversalReal* left, const UniversalReal* right) {
  return RelationHolds(left, right, [](const auto& a, const auto& b) { return a <= b; });
}
int UniversalRealGreaterThanUniversalReal(const UniversalReal* left, const UniversalReal* right) {
  return RelationHolds(left, right, [](const auto& a, const auto& b) { return a > b; });
}
int UniversalRealGreaterEqualUniversalReal(const UniversalReal* left, const UniversalReal* right) {
  return RelationHolds(left, right, [](const auto& a, const auto& b) { return a >= b; });
}
