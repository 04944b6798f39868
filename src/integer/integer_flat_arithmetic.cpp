// Flat arithmetic: the result is assembled apart from the operands, so the
// result pointer may be either operand's.
#include "status/flat_call.h"
#include "universaltypes/universal_integer.h"

using universaltypes::detail::ApplyIntoRecord;

int UniversalIntegerPlusUniversalInteger(const UniversalInteger* left,
                                         const UniversalInteger* right, UniversalInteger* result) {
  return ApplyIntoRecord(left, right, result, [](const auto& a, const auto& b) { return a + b; });
}
int UniversalIntegerMinusUniversalInteger(const UniversalInteger* left,
                                          const UniversalInteger* right, UniversalInteger* result) {
  return ApplyIntoRecord(left, right, result, [](const auto& a, const auto& b) { return a - b; });
}
int UniversalIntegerTimesUniversalInteger(const UniversalInteger* left,
                                          const UniversalInteger* right, UniversalInteger* result) {
  return ApplyIntoRecord(left, right, result, [](const auto& a, const auto& b) { return a * b; });
}
int UniversalIntegerTimesInt(const UniversalInteger* left, int right, UniversalInteger* result) {
  return ApplyIntoRecord(left, right, result, [](const auto& a, int b) { return a * b; });
}
int UniversalIntegerDividedByUniversalInteger(const UniversalInteger* left,
                                              const UniversalInteger* right,
                                              UniversalInteger* result) {
  return ApplyIntoRecord(left, right, result, [](const auto& a, const auto& b) { return a / b; });
}
int UniversalIntegerDividedByInt(const UniversalInteger* left, int right,
                                 UniversalInteger* result) {
  return ApplyIntoRecord(left, right, result, [](const auto& a, int b) { return a / b; });
}
int UniversalIntegerRemUniversalInteger(const UniversalInteger* left,
                                        const UniversalInteger* right, UniversalInteger* result) {
  return ApplyIntoRecord(left, right, result, [](const auto& a, const auto& b) { return a.rem(b); });
}
int UniversalIntegerModUniversalInteger(const UniversalInteger* left,
                                        const UniversalInteger* right, UniversalInteger* result) {
  return ApplyIntoRecord(left, right, result, [](const auto& a, const auto& b) { return a.mod(b); });
}
