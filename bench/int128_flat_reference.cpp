// The 128-bit reference behind the flat interface: the library's C names on
// the same 16-byte records, in a shared library of its own. A host calling
// it pays what any flat call costs (a call through the dynamic linker,
// records in memory, the status code), so its times are the floor the
// library's flat functions can reach. The benchmark loads it with dlopen,
// next to the real library, without the names clashing.
#include "int128_reference.h"

#define REFERENCE_C_API extern "C" __attribute__((visibility("default")))

namespace {

using bench::IntegerRecord;
using bench::Int128Integer;

// The library's status codes: 0 success, 1 error, 2 overflow. The result is
// written only on success, so it may be either operand.
template <typename Operation>
int ApplyIntoRecord(const IntegerRecord* left, const IntegerRecord* right, IntegerRecord* result,
                    Operation operation) {
  if (left == nullptr || right == nullptr || result == nullptr) return 1;
  try {
    *result = bench::ToRecord(operation(bench::FromRecord(*left), bench::FromRecord(*right)));
    return 0;
  } catch (const bench::ReferenceOverflow&) {
    return 2;
  } catch (const bench::ReferenceDivisionByZero&) {
    return 1;
  }
}

template <typename Relation>
int RelationHolds(const IntegerRecord* left, const IntegerRecord* right, Relation relation) {
  if (left == nullptr || right == nullptr) return 0;
  return relation(bench::FromRecord(*left), bench::FromRecord(*right)) ? 1 : 0;
}

}  // namespace

REFERENCE_C_API int UniversalIntegerPlusUniversalInteger(const IntegerRecord* left, const IntegerRecord* right,
                                                         IntegerRecord* result) {
  return ApplyIntoRecord(left, right, result, [](const auto& a, const auto& b) { return a + b; });
}
REFERENCE_C_API int UniversalIntegerMinusUniversalInteger(const IntegerRecord* left, const IntegerRecord* right,
                                                          IntegerRecord* result) {
  return ApplyIntoRecord(left, right, result, [](const auto& a, const auto& b) { return a - b; });
}
REFERENCE_C_API int UniversalIntegerTimesUniversalInteger(const IntegerRecord* left, const IntegerRecord* right,
                                                          IntegerRecord* result) {
  return ApplyIntoRecord(left, right, result, [](const auto& a, const auto& b) { return a * b; });
}
REFERENCE_C_API int UniversalIntegerDividedByUniversalInteger(const IntegerRecord* left,
                                                              const IntegerRecord* right, IntegerRecord* result) {
  return ApplyIntoRecord(left, right, result, [](const auto& a, const auto& b) { return a / b; });
}
REFERENCE_C_API int UniversalIntegerRemUniversalInteger(const IntegerRecord* left, const IntegerRecord* right,
                                                        IntegerRecord* result) {
  return ApplyIntoRecord(left, right, result, [](const auto& a, const auto& b) { return Rem(a, b); });
}
REFERENCE_C_API int UniversalIntegerModUniversalInteger(const IntegerRecord* left, const IntegerRecord* right,
                                                        IntegerRecord* result) {
  return ApplyIntoRecord(left, right, result, [](const auto& a, const auto& b) { return Mod(a, b); });
}
REFERENCE_C_API int UniversalIntegerLessThanUniversalInteger(const IntegerRecord* left,
                                                             const IntegerRecord* right) {
  return RelationHolds(left, right, [](const auto& a, const auto& b) { return a < b; });
}
REFERENCE_C_API int UniversalIntegerEqualsUniversalInteger(const IntegerRecord* left,
                                                           const IntegerRecord* right) {
  return RelationHolds(left, right, [](const auto& a, const auto& b) { return a == b; });
}
