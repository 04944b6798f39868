// The inline header built without the compiler's 128-bit integers, as on a
// 32-bit target.
#define UTYPES_INLINE_WITHOUT_INT128 1
#include "universaltypes/time_inline.h"

#include "time/time_inline_routes.h"

const TimeInlineRoutes kWordPairInlineRoutes = TIME_INLINE_ROUTES("64-bit word pairs");
