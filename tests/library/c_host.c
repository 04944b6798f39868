/* A host written in C: it sees only the flat header and the records, and
 * checks a few results of each family through the undecorated names. */
#include <math.h>
#include <stdio.h>
#include <string.h>

#include "universaltypes/flat.h"

static int passed = 0, failed = 0;

static void Check(int condition, const char* what) {
  if (condition) {
    ++passed;
  } else {
    ++failed;
    printf("FAILED: %s\n", what);
  }
}

static UniversalInteger Integer(int sign, uint32_t w0, uint32_t w1, uint32_t w2) {
  int ints[5];
  UniversalTime time;
  int count = w2 ? (w2 >= 0x10000u ? 6 : 5) : w1 ? (w1 >= 0x10000u ? 4 : 3) : w0 ? (w0 >= 0x10000u ? 2 : 1) : 0;
  ints[0] = sign;
  ints[1] = count;
  ints[2] = (int)w0;
  ints[3] = (int)w1;
  ints[4] = (int)w2;
  ConvertIntsToUniversalTime(ints, &time);
  return time.ticks;
}

static void Integers(void) {
  UniversalInteger high = Integer(1, 0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu);
  UniversalInteger one = Integer(1, 1, 0, 0), zero = Integer(1, 0, 0, 0);
  UniversalInteger result = one;
  Check(UniversalIntegerPlusUniversalInteger(&high, &one, &result) == 2, "overflow is status 2");
  Check(result.sign == 1 && result.words[0] == 1, "a failed sum leaves the result");
  Check(UniversalIntegerMinusUniversalInteger(&high, &one, &result) == 0 && result.words[0] == 0xFFFFFFFEu,
        "2^96 - 2");
  Check(UniversalIntegerTimesInt(&high, 2, &result) == 0 && result.words[0] == 0xFFFFFFFEu,
        "products keep the low 96 bits");
  Check(UniversalIntegerDividedByUniversalInteger(&high, &zero, &result) == 1, "division by zero");
  Check(UniversalIntegerModUniversalInteger(&high, &zero, &result) == 0 && result.digitCount == 6,
        "mod by zero is the dividend");
  Check(UniversalIntegerLessThanUniversalInteger(&one, &high) == 1, "1 < 2^96 - 1");
  Check(UniversalIntegerMagnitudeGreaterThanUniversalInteger(&one, &high) == 0, "magnitudes");
}

static void Reals(void) {
  UniversalReal a, b, result;
  a.value = 1.5;
  b.value = NAN;
  Check(UniversalRealTimesInt(&a, 4, &result) == 0 && result.value == 6.0, "1.5 * 4");
  Check(UniversalRealEqualsUniversalReal(&b, &b) == 0, "NaN is not equal to itself");
  Check(UniversalRealNotEqualUniversalReal(&a, &b) == 1, "NaN differs from 1.5");
}

static void Times(void) {
  UniversalTime zero, high, ten, result;
  UniversalInteger ticks;
  int ints[5] = {1, 1, 10, 0, 0};
  Get_TheConstantZero(&zero);
  Get_TheConstantTickHigh(&high);
  ConvertLongsToUniversalTime(ints, &ten);
  Check(zero.ticks.digitCount == 0 && high.ticks.digitCount == 6, "presets");
  Check(UniversalTimeDividedByInt(&ten, 4, &result) == 0 && result.ticks.words[0] == 2 &&
            result.offset.value == 0.5,
        "10 fs / 4 keeps the half femtosecond");
  Check(Get_OffsetTime(&result) == 0.5, "offset accessor");
  Check(UniversalTimeDividedByInt(&ten, 0, &result) == 1, "time over zero");
  Check(UniversalTimePlusUniversalTime(&high, &ten, &result) == 2, "time overflow");
  Check(UniversalTimeLessThanUniversalTime(&zero, &ten) == 1, "0 < 10 fs");
  UniversalToPhysicalTime(&ten, &ticks);
  Check(UniversalTimeEqualsUniversalInteger(&ten, &ticks) == 1, "ticks alone");
  Check(strcmp(PhysicalTimeTickImage(&ticks), "10 fs") == 0, "tick image");
  ConvertUniversalTimeToInts(&high, ints);
  Check(ints[0] == 1 && ints[1] == 6 && ints[4] == -1, "array form");
}

int main(void) {
  Integers();
  Reals();
  Times();
  printf("%d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}
