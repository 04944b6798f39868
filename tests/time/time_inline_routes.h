// The inline time functions as one translation unit compiled them, for each
// build of the header (128-bit integers, 64-bit word pairs).
#ifndef UNIVERSALTYPES_TESTS_TIME_TIME_INLINE_ROUTES_H
#define UNIVERSALTYPES_TESTS_TIME_TIME_INLINE_ROUTES_H

#include "universaltypes/universal_time.h"

struct TimeInlineRoutes {
  using Relation = int (*)(const UniversalTime*, const UniversalTime*);
  using Arithmetic = int (*)(const UniversalTime*, const UniversalTime*, UniversalTime*);
  const char* name;
  Relation relations[6];  // ==, !=, <, <=, >, >=
  Arithmetic plus, minus;
};

// The table of the functions time_inline.h defines in the including file.
#define TIME_INLINE_ROUTES(name)                                                                          \
  {                                                                                                       \
    name,                                                                                                 \
        {UniversalTimeEqualsUniversalTime_Inline, UniversalTimeNotEqualUniversalTime_Inline,              \
         UniversalTimeLessThanUniversalTime_Inline, UniversalTimeLessEqualUniversalTime_Inline,           \
         UniversalTimeGreaterThanUniversalTime_Inline, UniversalTimeGreaterEqualUniversalTime_Inline},    \
        UniversalTimePlusUniversalTime_Inline, UniversalTimeMinusUniversalTime_Inline                     \
  }

extern const TimeInlineRoutes kWideInlineRoutes;
extern const TimeInlineRoutes kWordPairInlineRoutes;

#endif
