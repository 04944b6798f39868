/* A C host of the inline time header: a few sums, differences and orders
 * against the exported functions, the analog flag read from the library. */
#include <stdio.h>
#include <string.h>

#include "universaltypes/time_inline.h"

static int failed = 0;

static void Check(int condition, const char* what) {
  if (!condition) {
    ++failed;
    printf("FAILED: %s\n", what);
  }
}

int main(void) {
  UniversalTime a = {{1, 1, {5, 0, 0}}, {0.75}}, b = {{1, 1, {2, 0, 0}}, {0.5}};
  UniversalTime high = {{1, 6, {0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu}}, {0.0}};
  UniversalTime inlined, exported, untouched;
  memset(&inlined, 0, sizeof inlined);
  memset(&exported, 0, sizeof exported);
  Check(UniversalTimePlusUniversalTime_Inline(&a, &b, &inlined) == 0 && inlined.ticks.words[0] == 8 &&
            inlined.offset.value == 0.25,
        "5.75 + 2.5 fs is 8.25 fs");
  Check(UniversalTimeMinusUniversalTime(&b, &a, &exported) == 0 &&
            UniversalTimeMinusUniversalTime_Inline(&b, &a, &inlined) == 0 &&
            memcmp(&inlined, &exported, sizeof inlined) == 0,
        "2.5 - 5.75 fs as the exported function");
  untouched = inlined;
  Check(UniversalTimePlusUniversalTime_Inline(&high, &a, &inlined) == 2 &&
            memcmp(&inlined, &untouched, sizeof inlined) == 0,
        "an overflow is status 2 and leaves the result");
  Check(UniversalTimeLessThanUniversalTime_Inline(&b, &a) == 1 &&
            UniversalTimeGreaterEqualUniversalTime_Inline(&b, &a) == 0 &&
            UniversalTimeNotEqualUniversalTime_Inline(&a, &b) == 1,
        "2.5 fs is below 5.75 fs");
  if (failed == 0) printf("inline time header from C: all checks passed\n");
  return failed == 0 ? 0 : 1;
}
