// Flat arithmetic: the result is assembled apart from the operands, so the
// result pointer may be either operand's.
#include "integer/integer_internals.h"
#include "status/flat_call.h"

using universaltypes::detail::ApplyIntoRecord;

int UniversalIntegerPlusUniversalInteger(const UniversalInteger* left,
                                         const UniversalInteger* right, UniversalInteger* result) {
  return IntegerInternals::SumIntoRecord(left, right, false, result);
}
int UniversalIntegerMinusUniversalInteger(const UniversalInteger* left,
                                          const UniversalInteger* right, UniversalInteger* result) {
  return IntegerInternals::SumIntoRecord(left, right, true, result);
}
int UniversalIntegerTimesUniversalInteger(const UniversalInteger* left,
                                          const UniversalInteger* right, UniversalInteger* result) {
  return ApplyIntoRecord(left, right, result, [](const auto& a, const auto& b) {
    return IntegerInternals::Multiply(a, b);
  });
}
int UniversalIntegerTimesInt(const UniversalInteger* left, int right, UniversalInteger* result) {
  return ApplyIntoRecord(left, right, result, [](const auto& a, int b) { return a * b; });
}
int UniversalIntegerDividedByUniversalInteger(const UniversalInteger* left,
                                              const UniversalInteger* right,
                                              UniversalInteger* result) {
  return ApplyIntoRecord(left, right, result, [](const auto& a, const auto& b) {
    return IntegerInternals::Quotient(a, b);
  });
}
int UniversalIntegerDividedByInt(const UniversalInteger* left, int right,
                                 UniversalInteger* result) {
  return ApplyIntoRecord(left, right, result, [](const auto& a, int b) { return a / b; });
}
int UniversalIntegerRemUniversalInteger(const UniversalInteger* left, const UniversalInteger* right,
                                        UniversalInteger* result) {
  return ApplyIntoRecord(left, right, result, [](const auto& a, const auto& b) {
    return IntegerInternals::Remainder(a, b);
  });
}
int UniversalIntegerModUniversalInteger(const UniversalInteger* left, const UniversalInteger* right,
                                        UniversalInteger* result) {
  return ApplyIntoRecord(left, right, result, [](const auto& a, const auto& b) {
    return IntegerInternals::Modulo(a, b);
  });
}
