// The integer operations and relations as a host reaches them (flat function,
// class member, int form where there is one) beside what the model says.
#ifndef UNIVERSALTYPES_TESTS_SUPPORT_INTEGER_OPERATIONS_H
#define UNIVERSALTYPES_TESTS_SUPPORT_INTEGER_OPERATIONS_H

#include "support/int128_model.h"
#include "universaltypes/flat.h"

struct IntegerOperation {
  const char* name;
  int (*flat)(const UniversalInteger*, const UniversalInteger*, UniversalInteger*);
  UniversalInteger (*member)(const UniversalInteger&, const UniversalInteger&);
  ModelOutcome (*model)(const Model&, const Model&);
  int (*byInt)(const UniversalInteger*, int, UniversalInteger*) = nullptr;
};

const IntegerOperation kIntegerOperations[] = {
    {"+", UniversalIntegerPlusUniversalInteger, [](const auto& a, const auto& b) { return a + b; }, ModelSum},
    {"-", UniversalIntegerMinusUniversalInteger, [](const auto& a, const auto& b) { return a - b; },
     ModelDifference},
    {"*", UniversalIntegerTimesUniversalInteger, [](const auto& a, const auto& b) { return a * b; }, ModelProduct,
     UniversalIntegerTimesInt},
    {"/", UniversalIntegerDividedByUniversalInteger, [](const auto& a, const auto& b) { return a / b; },
     ModelQuotient, UniversalIntegerDividedByInt},
    {"rem", UniversalIntegerRemUniversalInteger, [](const auto& a, const auto& b) { return a.rem(b); }, ModelRem},
    {"mod", UniversalIntegerModUniversalInteger, [](const auto& a, const auto& b) { return a.mod(b); }, ModelMod},
};

// Whether each relation holds, from the signed order and the magnitude order (-1, 0 or 1).
struct IntegerRelation {
  const char* name;
  int (*flat)(const UniversalInteger*, const UniversalInteger*);
  bool (*holds)(int order, int magnitudeOrder);
};

const IntegerRelation kIntegerRelations[] = {
    {"==", UniversalIntegerEqualsUniversalInteger, [](int order, int) { return order == 0; }},
    {"!=", UniversalIntegerNotEqualUniversalInteger, [](int order, int) { return order != 0; }},
    {"<", UniversalIntegerLessThanUniversalInteger, [](int order, int) { return order < 0; }},
    {"<=", UniversalIntegerLessEqualUniversalInteger, [](int order, int) { return order <= 0; }},
    {">", UniversalIntegerGreaterThanUniversalInteger, [](int order, int) { return order > 0; }},
    {">=", UniversalIntegerGreaterEqualUniversalInteger, [](int order, int) { return order >= 0; }},
    {"|<|", UniversalIntegerMagnitudeLessThanUniversalInteger, [](int, int magnitude) { return magnitude < 0; }},
    {"|>|", UniversalIntegerMagnitudeGreaterThanUniversalInteger, [](int, int magnitude) { return magnitude > 0; }},
};

inline int MagnitudeOrder(const Model& a, const Model& b) {
  return a.magnitude < b.magnitude ? -1 : (b.magnitude < a.magnitude ? 1 : 0);
}

#endif
