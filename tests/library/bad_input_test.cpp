// Bad input at the interfaces (unknown units, offsets beyond the range,
// infinities, zero divisors, null pointers): its status and what it leaves.
// Malformed literals and records, NaN and zero divisors are the fuzz
// targets' (their corpus runs with the tests, against independent models).
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <functional>
#include <limits>
#include <string>

#include "support/integer_operations.h"
#include "support/time_operations.h"
#include "universaltypes/time_text.h"

namespace {

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

TEST(BadTimeImages, UnknownUnitsGiveStatusErrorAndOffsetsBeyondTheRangeThrow) {
  int ticks[5] = {1, 1, 1500, 0, 0}, minusOne[5] = {-1, 1, 1, 0, 0}, negativeZero[5] = {-1, 0, 0, 0, 0};
  for (const int unit : {-1, 8, 127, INT_MAX, INT_MIN}) {
    UTypes_StatusCode plain = UTypes_OK, counted = UTypes_OK;
    EXPECT_STREQ(TimeTickValueToString(UniversalTime(1500), static_cast<TimeUnit>(unit), plain), "") << unit;
    EXPECT_STREQ(TimeTickValueToString_CF(ticks, static_cast<TimeUnit>(unit), counted), "") << unit;
    EXPECT_TRUE(plain == UTypes_Error && counted == UTypes_Error) << unit;
  }
  TimeUnit unit = TimeUnit_hr;
  EXPECT_EQ(TimeUnitFromTime(nullptr, unit), UTypes_Error);
  EXPECT_EQ(TimeUnitFromTime(ticks, unit), UTypes_Error);
  EXPECT_EQ(TimeUnitFromTime(minusOne, unit), UTypes_Error);
  EXPECT_EQ(unit, TimeUnit_hr);  // unchanged
  UTypes_StatusCode status = UTypes_Error;
  EXPECT_STREQ(TimeTickValueToString_CF(negativeZero, TimeUnit_fs, status), "0 fs");  // no minus
  // An offset no operation makes, beyond the 96-bit range, has no image: both
  // image calls throw overflow. A NaN offset prints no fraction.
  for (const double offset : {1e300, -1e300, kInfinity, -kInfinity}) {
    const UniversalTime time = TimeRecord(I(7), offset);
    for (const TimeUnit shown : {TimeUnit_fs, TimeUnit_hr}) {
      EXPECT_THROW(TimeTickValueToString(time, shown, status), UTypes_StatusCodeException) << offset << " " << shown;
    }
    EXPECT_THROW(static_cast<void>(static_cast<const char*>(time)), UTypes_StatusCodeException) << offset;
  }
  EXPECT_STREQ(TimeTickValueToString(TimeRecord(I(7), kNan), TimeUnit_fs, status), "7 fs");
  EXPECT_EQ(status, UTypes_OK);
}

const UniversalInteger kFive(5), kZero, kNegativeZero = RawRecord(-1, 0, 0);
const UniversalTime kSevenAndAHalf(UniversalInteger(7), UniversalReal(0.5)), kZeroTime;

// The status of a call that writes `result`; -1 when a failing call wrote it.
template <typename Result, typename Call>
int Into(Result result, Call call) {
  const Result before = result;
  const int status = call(&result);
  return status == UTypes_OK || std::memcmp(&result, &before, sizeof result) == 0 ? status : -1;
}
int TimesReal(const UniversalInteger& integer, double factor) {
  UniversalReal remainder;
  return Into(kFive, [&](auto* r) { return UniversalIntegerTimesDouble(integer, factor, r, &remainder); });
}
int OverReal(const UniversalInteger& integer, double divisor) {
  return Into(kFive, [&](auto* r) { return UniversalIntegerDividedByDouble(&integer, divisor, r); });
}
// A time operation with the given real (as seconds too), factor and divisor.
int TimeStatus(const char* name, const UniversalTime& left, double real, int factor = 1,
               const UniversalInteger& ticks = kFive) {
  const TimeOperands o{left, left, ticks, UniversalReal(real), factor, real};
  for (const TimeOperation& operation : kTimeOperations) {
    if (std::string(operation.name) == name) return Into(kSevenAndAHalf, [&](auto* r) { return operation.call(o, r); });
  }
  return -2;
}

// (Where NaN or a zero divisor leaves no value at all, the flat fuzz target's model says so.)
TEST(BadOperands, NanInfinityZeroDivisorsAndNullRecordsGiveTheirStatuses) {
  const struct {
    const char* name;
    std::function<int()> call;
    int status;
  } cases[] = {
      {"integer * inf", [] { return TimesReal(kFive, kInfinity); }, UTypes_Overflow},
      {"0 * inf", [] { return TimesReal(kZero, kInfinity); }, UTypes_Error},
      {"integer / inf", [] { return OverReal(kFive, kInfinity); }, UTypes_OK},
      {"integer / 0.0", [] { return OverReal(kFive, 0.0); }, UTypes_Overflow},  // times 1 / 0.0 = inf
      {"0 / 0.0", [] { return OverReal(kZero, 0.0); }, UTypes_Error},
      {"time * inf", [] { return TimeStatus("* double", kSevenAndAHalf, kInfinity); }, UTypes_Overflow},
      {"zero time * inf", [] { return TimeStatus("* double", kZeroTime, kInfinity); }, UTypes_Error},
      {"time / inf", [] { return TimeStatus("/ double", kSevenAndAHalf, kInfinity); }, UTypes_OK},
      {"zero time / int 0", [] { return TimeStatus("/ int", kZeroTime, 1.0, 0); }, UTypes_Error},
      {"time / integer -0", [] { return TimeStatus("/ ticks", kSevenAndAHalf, 1.0, 1, kNegativeZero); }, UTypes_Error},
      {"time + inf s", [] { return TimeStatus("+ seconds", kSevenAndAHalf, kInfinity); }, UTypes_Overflow},
      {"time - inf s", [] { return TimeStatus("- seconds", kSevenAndAHalf, kInfinity); }, UTypes_Overflow},
  };
  for (const auto& c : cases) EXPECT_EQ(c.call(), c.status) << c.name;
  // Null records are refused.
  UniversalInteger integer(3);
  UniversalReal real;
  UniversalTime time;
  for (const IntegerOperation& operation : kIntegerOperations) {
    EXPECT_EQ(operation.flat(nullptr, &integer, &integer), UTypes_Error);
    EXPECT_EQ(operation.flat(&integer, nullptr, &integer), UTypes_Error);
    EXPECT_EQ(operation.flat(&integer, &integer, nullptr), UTypes_Error);
  }
  EXPECT_EQ(UniversalIntegerTimesInt(nullptr, 2, &integer), UTypes_Error);
  EXPECT_EQ(UniversalIntegerTimesInt(&integer, 3, nullptr), UTypes_Error);
  EXPECT_EQ(UniversalIntegerTimesDouble(integer, 1.5, nullptr, &real), UTypes_Error);
  EXPECT_EQ(UniversalIntegerTimesDouble(integer, 1.5, &integer, nullptr), UTypes_Error);
  EXPECT_EQ(UniversalRealPlusUniversalReal(&real, nullptr, &real), UTypes_Error);
  EXPECT_EQ(UniversalTimePlusUniversalReal(nullptr, &real, &time), UTypes_Error);
  EXPECT_EQ(UniversalTimeDividedByUniversalInteger(&time, nullptr, &time), UTypes_Error);
  EXPECT_EQ(UniversalIntegerEqualsUniversalInteger(&integer, nullptr), 0);
  EXPECT_EQ(UniversalIntegerLessThanUniversalInteger(nullptr, &integer), 0);
  EXPECT_EQ(UniversalTimeNotEqualUniversalTime(nullptr, &time), 0);
  EXPECT_EQ(Get_OffsetTime(nullptr), 0.0);
  EXPECT_STREQ(PhysicalTimeTickImage(nullptr), "");
  UTypes_StatusCode status = UTypes_OK;
  EXPECT_STREQ(TimeTickValueToString_CF(nullptr, TimeUnit_ns, status), "");
  EXPECT_EQ(status, UTypes_Error);
  // A null text is no time: either parser gives the zero time and status 1.
  status = UTypes_OK;
  EXPECT_TRUE(TimeValueFromTimeString(nullptr, status) == UniversalTime() && status == UTypes_Error);
  int ticks[5] = {7, 7, 7, 7, 7};
  int* array = ticks;
  status = UTypes_OK;
  TimeValueFromTimeString_CF(nullptr, 4, array, status);
  EXPECT_TRUE(status == UTypes_Error && ticks[0] == 1 && ticks[1] == 0 && array == ticks);
  ConvertUniversalTimeToInts(&time, nullptr);  // does nothing
  integer.ToHexString(nullptr);
}

}  // namespace
