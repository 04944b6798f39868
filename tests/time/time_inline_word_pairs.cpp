// The inline header built without the compiler's 128-bit integers, as on a
// 32-bit target.
#define UTYPES_INLINE_WITHOUT_INT128 1
#include "universaltypes/time_inline.h"

#include "time/time_inline_routes.h"

const TimeInlineRoutes kWordPairInlineRoutes = {
    "64-bit word pairs",
    UniversalTimeEqualsUniversalTime_Inline,
    UniversalTimeNotEqualUniversalTime_Inline,
    UniversalTimeLessThanUniversalTime_Inline,
    UniversalTimeLessEqualUniversalTime_Inline,
    UniversalTimeGreaterThanUniversalTime_Inline,
    UniversalTimeGreaterEqualUniversalTime_Inline,
    UniversalTimePlusUniversalTime_Inline,
    UniversalTimeMinusUniversalTime_Inline,
};
