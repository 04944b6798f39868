/* A C host, seeing only the flat and inline time headers: a few results of
 * each family through the undecorated names, and the inline functions. */
#include <stdio.h>
#include <string.h>

#include "universaltypes/flat.h"
#include "universaltypes/time_inline.h"

static int failed = 0;

static void Check(int condition, const char* what) {
  if (!condition) {
    ++failed;
    printf("FAILED: %s\n", what);
  }
}

/* Inline against exported: the header compiles as C and its functions link. */
static void CheckInlineTimes(void) {
  UniversalTime a = {{1, 1, {5, 0, 0}}, {0.75}}, b = {{1, 1, {2, 0, 0}}, {0.5}}, inlined, exported;
  memset(&inlined, 0, sizeof inlined);
  memset(&exported, 0, sizeof exported);
  Check(UniversalTimeMinusUniversalTime(&b, &a, &exported) == 0 &&
            UniversalTimeMinusUniversalTime_Inline(&b, &a, &inlined) == 0 &&
            memcmp(&inlined, &exported, sizeof inlined) == 0 && UniversalTimeLessThanUniversalTime_Inline(&b, &a) == 1,
        "inline: 2.5 - 5.75 fs as the exported function, and 2.5 fs < 5.75 fs");
}

int main(void) {
  int ints[5] = {1, 6, -1, -1, -1}, tenInts[5] = {1, 1, 10, 0, 0};
  UniversalTime high, ten, result;
  UniversalInteger ticks, one = {1, 1, {1, 0, 0}}, zero = {1, 0, {0, 0, 0}}, sum = one;
  UniversalReal a = {1.5}, product;
  ConvertIntsToUniversalTime(ints, &high);
  Check(UniversalIntegerPlusUniversalInteger(&high.ticks, &one, &sum) == 2 && sum.words[0] == 1,
        "overflow is status 2 and leaves the result");
  Check(UniversalIntegerDividedByUniversalInteger(&high.ticks, &zero, &sum) == 1, "division by zero");
  Check(UniversalRealTimesInt(&a, 4, &product) == 0 && product.value == 6.0, "1.5 * 4");
  ConvertLongsToUniversalTime(tenInts, &ten);
  Check(UniversalTimeDividedByInt(&ten, 4, &result) == 0 && result.ticks.words[0] == 2 &&
            Get_OffsetTime(&result) == 0.5,
        "10 fs / 4 keeps the half femtosecond");
  Get_TheConstantZero(&result);
  Check(result.ticks.digitCount == 0 && UniversalTimeLessThanUniversalTime(&result, &ten) == 1, "0 < 10 fs");
  UniversalToPhysicalTime(&ten, &ticks);
  Check(UniversalTimeEqualsUniversalInteger(&ten, &ticks) == 1, "ticks alone");
  Check(strcmp(PhysicalTimeTickImage(&ticks), "10 fs") == 0, "tick image");
  ConvertUniversalTimeToInts(&high, ints);
  Check(ints[0] == 1 && ints[1] == 6 && ints[4] == -1, "array form");
  CheckInlineTimes();
  printf("%s\n", failed == 0 ? "passed" : "failed");
  return failed == 0 ? 0 : 1;
}
