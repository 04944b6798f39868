// The inline time functions as one translation unit compiled them: the test
// holds each build of the header (128-bit integers, 64-bit word pairs)
// against the exported functions.
#ifndef UNIVERSALTYPES_TESTS_TIME_TIME_INLINE_ROUTES_H
#define UNIVERSALTYPES_TESTS_TIME_TIME_INLINE_ROUTES_H

#include "universaltypes/universal_time.h"

struct TimeInlineRoutes {
  using Relation = int (*)(const UniversalTime*, const UniversalTime*);
  using Arithmetic = int (*)(const UniversalTime*, const UniversalTime*, UniversalTime*);
  const char* name;
  Relation equals, notEqual, lessThan, lessEqual, greaterThan, greaterEqual;
  Arithmetic plus, minus;
};

extern const TimeInlineRoutes kWideInlineRoutes;
extern const TimeInlineRoutes kWordPairInlineRoutes;

#endif
