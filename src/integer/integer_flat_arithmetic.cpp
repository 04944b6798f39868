// Flat arithmetic: the result is assembled apart from the operands, so the
// result pointer may be either operand's.
#include "status/flat_call.h"
#include "universaltypes/universal_integer.h"

namespace {

using universaltypes::detail::AnyNull;
using universaltypes::detail::CallIntoRecord;

template <typename Right, typename Operation>
int Apply(const UniversalInteger* left, const Right& right, UniversalInteger* result,
          Operation operation) {
  if constexpr (std::is_pointer_v<Right>) {
    if (AnyNull(left, right)) return UTypes_Error;
    return CallIntoRecord(result, [&] { return operation(*left, *right); });
  } else {
    if (AnyNull(left)) return UTypes_Error;
    return CallIntoRecord(result, [&] { return operation(*left, right); });
  }
}

}  // namespace

int UniversalIntegerPlusUniversalInteger(const UniversalInteger* left,
                                         const UniversalInteger* right, UniversalInteger* result) {
  return Apply(left, right, result, [](const auto& a, const auto& b) { return a + b; });
}
int UniversalIntegerMinusUniversalInteger(const UniversalInteger* left,
                                          const UniversalInteger* right, UniversalInteger* result) {
  return Apply(left, right, result, [](const auto& a, const auto& b) { return a - b; });
}
int UniversalIntegerTimesUniversalInteger(const UniversalInteger* left,
                                          const UniversalInteger* right, UniversalInteger* result) {
  return Apply(left, right, result, [](const auto& a, const auto& b) { return a * b; });
}
int UniversalIntegerTimesInt(const UniversalInteger* left, int right, UniversalInteger* result) {
  return Apply(left, right, result, [](const auto& a, int b) { return a * b; });
}
int UniversalIntegerDividedByUniversalInteger(const UniversalInteger* left,
                                              const UniversalInteger* right,
                                              UniversalInteger* result) {
  return Apply(left, right, result, [](const auto& a, const auto& b) { return a / b; });
}
int UniversalIntegerDividedByInt(const UniversalInteger* left, int right,
                                 UniversalInteger* result) {
  return Apply(left, right, result, [](const auto& a, int b) { return a / b; });
}
int UniversalIntegerRemUniversalInteger(const UniversalInteger* left,
                                        const UniversalInteger* right, UniversalInteger* result) {
  return Apply(left, right, result, [](const auto& a, const auto& b) { return a.rem(b); });
}
int UniversalIntegerModUniversalInteger(const UniversalInteger* left,
                                        const UniversalInteger* right, UniversalInteger* result) {
  return Apply(left, right, result, [](const auto& a, const auto& b) { return a.mod(b); });
}
