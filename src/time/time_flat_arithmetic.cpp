// Flat time arithmetic: status 0, 1 or 2; the result is written only on
// success and may be either operand.
#include "status/flat_call.h"
#include "time/time_internals.h"

using universaltypes::detail::ApplyIntoRecord;
using universaltypes::detail::CallIntoRecord;
using universaltypes::detail::RouteIntoRecord;

namespace {
constexpr UniversalTime kBlank = TimeInternals::Make(IntegerInternals::Make(1, 0, 0, 0, 0), 0.0);
}  // namespace

int UniversalTimePlusUniversalTime(const UniversalTime* left, const UniversalTime* right,
                                   UniversalTime* result) {
  return RouteIntoRecord(left, right, result, kBlank, TimeInternals::TrySum);
}
int UniversalTimeMinusUniversalTime(const UniversalTime* left, const UniversalTime* right,
                                    UniversalTime* result) {
  return RouteIntoRecord(left, right, result, kBlank, TimeInternals::TryDifference);
}
int UniversalTimePlusUniversalInteger(const UniversalTime* left, const UniversalInteger* right,
                                      UniversalTime* result) {
  return ApplyIntoRecord(left, right, result, [](const auto& a, const auto& b) { return a + b; });
}
int UniversalTimeMinusUniversalInteger(const UniversalTime* left, const UniversalInteger* right,
                                       UniversalTime* result) {
  return ApplyIntoRecord(left, right, result, [](const auto& a, const auto& b) { return a - b; });
}

int UniversalTimePlusUniversalReal(UniversalTime* left, const UniversalReal* right,
                                   UniversalTime* result) {
  if (left == nullptr || right == nullptr) return UTypes_Error;
  // Hosts rely on the sum landing in the left operand as well.
  return CallIntoRecord(result, [&] { return *left += UniversalTime(*right); });
}
int UniversalTimeMinusUniversalReal(const UniversalTime* left, const UniversalReal* right,
                                    UniversalTime* result) {
  return ApplyIntoRecord(left, right, result,
                         [](const UniversalTime& a, const UniversalReal& b) { return a - b; });
}

int UniversalTimeTimesInt(const UniversalTime* left, int right, UniversalTime* result) {
  return ApplyIntoRecord(left, right, result, [](const auto& a, int b) { return a * b; });
}
int UniversalTimeTimesDouble(const UniversalTime* left, double right, UniversalTime* result) {
  return ApplyIntoRecord(left, right, result, [](const auto& a, double b) { return a * b; });
}
int UniversalTimeDividedByInt(const UniversalTime* left, int right, UniversalTime* result) {
  return ApplyIntoRecord(left, right, result, [](const auto& a, int b) { return a / b; });
}
int UniversalTimeDividedByDouble(const UniversalTime* left, double right, UniversalTime* result) {
  return ApplyIntoRecord(left, right, result, [](const auto& a, double b) { return a / b; });
}
int UniversalTimeDividedByUniversalInteger(const UniversalTime* left,
                                           const UniversalInteger* right, UniversalTime* result) {
  return ApplyIntoRecord(left, right, result, [](const auto& a, const auto& b) { return a / b; });
}
