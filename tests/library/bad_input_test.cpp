// Bad input at every interface, with the status or exception the library
// gives and what it leaves in the caller's records: malformed literals,
// records outside the invariants, unknown units, NaN and infinite operands,
// divisions by zero and null pointers.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <string>
#include <utility>

#include "universaltypes/time_text.h"

namespace {

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

UniversalInteger Record(int sign, int count, int word0, int word1 = 0, int word2 = 0) {
  int ints[5] = {sign, count, word0, word1, word2};
  UniversalInteger record;
  record.ConvertIntsToUniversalInteger(ints);
  return record;
}

template <typename Record>
bool Same(const Record& a, const Record& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

std::string TicksOf(const UniversalTime& time) {
  return static_cast<const char*>(time.UniversalToPhysicalTime());
}

// ---- time literals

TEST(BadLiteralText, EveryMalformedClassFailsWithZeroOrOneUnit) {
  const struct {
    const char* text;
    const char* ticks;  // "0": no unit found; otherwise one unit
  } cases[] = {
      {"1__0 ps", "1000"},
      {"_1 ps", "1000"},
      {"1_ ps", "1000"},
      {"1. ns", "1000000"},
      {".5 ns", "1000000"},
      {"1.5.5 ns", "1000000"},
      {"1e ns", "1000000"},
      {"1e+ ns", "1000000"},
      {"1A ns", "1000000"},
      {"--1 ns", "1000000"},
      {"17#1# ns", "1000000"},
      {"1#1# ns", "1000000"},
      {"-16#FF# ns", "1000000"},
      {"2#102# us", "1000000000"},
      {"16#FF ns", "1000000"},
      {"16#1#2# ns", "1000000"},
      {"1ns", "0"},
      {"1 nsx", "0"},
      {"1 xs", "0"},
      {"5", "0"},
      {"", "0"},
      {"   ", "0"},
      {"\xB5s", "0"},
      {"1 \xB5s", "0"},
      {"\xB5 ns", "0"},
      {"1\xB5 ns", "1000000"},
  };
  for (const auto& c : cases) {
    UTypes_StatusCode status = UTypes_OK;
    const UniversalTime time = TimeValueFromTimeString(c.text, status);
    EXPECT_EQ(status, UTypes_Error) << c.text;
    EXPECT_EQ(TicksOf(time), c.ticks) << c.text;
    EXPECT_EQ(static_cast<double>(time.Get_OffsetTime()), 0.0) << c.text;
  }
  UTypes_StatusCode status = UTypes_OK;
  EXPECT_EQ(TicksOf(TimeValueFromTimeString(nullptr, status)), "0");
  EXPECT_EQ(status, UTypes_Error);
  Set_DisableBaseLiterals(true);
  EXPECT_EQ(TicksOf(TimeValueFromTimeString("16#FF# ns", status)), "1000000");
  EXPECT_EQ(status, UTypes_Error);
  Set_DisableBaseLiterals(false);
}

TEST(BadLiteralText, CountedFormWritesZeroForNoTextAndAlwaysClearsTheSwitch) {
  for (const int length : {-1, -2, INT_MIN}) {
    int array[5] = {7, 7, 7, 7, 7};
    int* ticks = array;
    UTypes_StatusCode status = UTypes_OK;
    Set_DisableBaseLiterals(true);
    TimeValueFromTimeString_CF("1 ns", length, ticks, status);
    EXPECT_EQ(status, UTypes_Error) << length;
    EXPECT_EQ(array[0], 1) << length;
    EXPECT_EQ(array[1], 0) << length;
    EXPECT_EQ(ticks, array);
    EXPECT_TRUE(Is_BasedNumber("2#1#", 0, 4)) << length;
  }
  int* noArray = nullptr;
  UTypes_StatusCode status = UTypes_OK;
  TimeValueFromTimeString_CF("1 ns", 4, noArray, status);  // parsed, nothing written
  EXPECT_EQ(status, UTypes_OK);
  int array[5];
  int* ticks = array;
  TimeValueFromTimeString_CF(nullptr, 4, ticks, status);
  EXPECT_EQ(status, UTypes_Error);
  TimeValueFromTimeString_CF("1 ns", 3, ticks, status);  // cut inside the unit: none found
  EXPECT_EQ(status, UTypes_Error);
  EXPECT_EQ(array[1], 0);
}

TEST(BadLiteralText, OutOfRangeLiteralsThrowOverflow) {
  UTypes_StatusCode status = UTypes_OK;
  for (const char* text :
       {"1e30 fs", "79228162514264337593543950336 fs", "-79228162514264337593543950335.5 fs", "16#1#E40 hr",
        "1e99999999999999999999 fs"}) {
    try {
      TimeValueFromTimeString(text, status);
      ADD_FAILURE() << text << " parsed";
    } catch (const UTypes_StatusCodeException& exception) {
      EXPECT_EQ(exception.Get_StatusCode(), UTypes_Overflow) << text;
    }
  }
  int array[5];
  int* ticks = array;
  EXPECT_THROW(TimeValueFromTimeString_CF("1e40 fs", 7, ticks, status), UTypes_StatusCodeException);
  EXPECT_TRUE(Is_BasedNumber("2#1#", 0, 4));
}

// ---- integer records outside the invariants

using FlatArithmetic = int (*)(const UniversalInteger*, const UniversalInteger*, UniversalInteger*);
const std::pair<const char*, FlatArithmetic> kIntegerArithmetic[] = {
    {"+", UniversalIntegerPlusUniversalInteger},  {"-", UniversalIntegerMinusUniversalInteger},
    {"*", UniversalIntegerTimesUniversalInteger}, {"/", UniversalIntegerDividedByUniversalInteger},
    {"rem", UniversalIntegerRemUniversalInteger}, {"mod", UniversalIntegerModUniversalInteger}};

std::string Fields(const UniversalInteger& record) {
  int ints[5];
  record.ConvertUniversalIntegerToInts(ints);
  return std::to_string(ints[0]) + "," + std::to_string(ints[1]) + "," + std::to_string(ints[2]) + "," +
         std::to_string(ints[3]) + "," + std::to_string(ints[4]);
}

TEST(BadIntegerRecords, WildCountsSignsAndStrayWordsStayWithinTheRecords) {
  const UniversalInteger bad[] = {
      Record(1, 7, 1, 2, 3),    Record(1, -1, 5),      Record(-1, 32767, -1, -1, -1),
      Record(1, -32768, 5),     Record(1, 1, 5, 9, 9), Record(0, 1, 5),
      Record(2, 6, -1, -1, -1), Record(-1, 0, 0),      Record(1, 0, 3, 0, 1)};
  const UniversalInteger good[] = {UniversalInteger(0), UniversalInteger(-7),
                                   UniversalInteger(IntegerHighChoice)};
  const UniversalInteger unwritten = Record(-1, 2, 0xABCDEF);
  for (const UniversalInteger& record : bad) {
    for (const UniversalInteger& other : good) {
      for (const auto& [left, right] : {std::pair{record, other}, std::pair{other, record}}) {
        for (const auto& [name, operation] : kIntegerArithmetic) {
          SCOPED_TRACE("(" + Fields(left) + ") " + name + " (" + Fields(right) + ")");
          UniversalInteger result = unwritten;
          const UniversalInteger leftBefore = left, rightBefore = right;
          const int status = operation(&left, &right, &result);
          EXPECT_TRUE(status >= 0 && status <= 2);
          EXPECT_TRUE(status == UTypes_OK || Same(result, unwritten));
          EXPECT_TRUE(Same(left, leftBefore) && Same(right, rightBefore));
        }
        const int relation = UniversalIntegerLessThanUniversalInteger(&left, &right);
        EXPECT_TRUE(relation == 0 || relation == 1);
      }
    }
    EXPECT_LT(std::strlen(static_cast<const char*>(record)), 32u);
    EXPECT_LT(std::strlen(PhysicalTimeTickImage(&record)), 64u);
  }
}

TEST(BadIntegerRecords, NegativeZeroCountsAsZero) {
  const UniversalInteger negativeZero = Record(-1, 0, 0), five(5), zero;
  UniversalInteger result;
  EXPECT_EQ(UniversalIntegerPlusUniversalInteger(&negativeZero, &five, &result), UTypes_OK);
  EXPECT_STREQ(static_cast<const char*>(result), "5");
  EXPECT_EQ(UniversalIntegerDividedByUniversalInteger(&negativeZero, &zero, &result), UTypes_OK);
  EXPECT_STREQ(static_cast<const char*>(result), "0");
  EXPECT_EQ(UniversalIntegerDividedByUniversalInteger(&five, &negativeZero, &result), UTypes_Error);
  EXPECT_EQ(UniversalIntegerModUniversalInteger(&five, &negativeZero, &result), UTypes_OK);
  EXPECT_STREQ(static_cast<const char*>(result), "5");
  EXPECT_STREQ(static_cast<const char*>(negativeZero), "-0");
}

// ---- units outside 0..7

TEST(BadUnits, GiveStatusErrorAndAnEmptyImage) {
  int ticks[5] = {1, 1, 1500, 0, 0};
  for (const int unit : {-1, 8, 127, INT_MAX, INT_MIN}) {
    UTypes_StatusCode status = UTypes_OK;
    EXPECT_STREQ(TimeTickValueToString(UniversalTime(1500), static_cast<TimeUnit>(unit), status), "") << unit;
    EXPECT_EQ(status, UTypes_Error) << unit;
    status = UTypes_OK;
    EXPECT_STREQ(TimeTickValueToString_CF(ticks, static_cast<TimeUnit>(unit), status), "") << unit;
    EXPECT_EQ(status, UTypes_Error) << unit;
  }
  TimeUnit unit = TimeUnit_hr;
  EXPECT_EQ(TimeUnitFromTime(nullptr, unit), UTypes_Error);
  EXPECT_EQ(TimeUnitFromTime(ticks, unit), UTypes_Error);  // 1500 fs is no one unit
  EXPECT_EQ(unit, TimeUnit_hr);
}

// ---- NaN and infinite operands, divisions by zero

struct StatusCase {
  const char* name;
  std::function<int()> call;
  int status;
};

void ExpectStatuses(const std::initializer_list<StatusCase>& cases) {
  for (const StatusCase& c : cases) EXPECT_EQ(c.call(), c.status) << c.name;
}

const UniversalInteger kFive(5), kZero;
const UniversalTime kSevenAndAHalf(UniversalInteger(7), UniversalReal(0.5)), kZeroTime;

int TimesReal(const UniversalInteger& integer, double factor) {
  UniversalInteger product;
  UniversalReal remainder;
  return UniversalIntegerTimesDouble(integer, factor, &product, &remainder);
}
int OverReal(const UniversalInteger& integer, double divisor) {
  UniversalInteger quotient;
  return UniversalIntegerDividedByDouble(&integer, divisor, &quotient);
}
int TimeCall(int (*flat)(const UniversalTime*, double, UniversalTime*), const UniversalTime& time,
             double value) {
  UniversalTime result;
  return flat(&time, value, &result);
}
int SecondsCall(bool add, double seconds) {
  UniversalTime left = kSevenAndAHalf, result;
  const UniversalReal real(seconds);
  return add ? UniversalTimePlusUniversalReal(&left, &real, &result)
             : UniversalTimeMinusUniversalReal(&left, &real, &result);
}
int IntegerFromReal(double real) {
  try {
    UniversalInteger integer{UniversalReal(real)};
    return UTypes_OK;
  } catch (const UTypes_StatusCodeException& exception) {
    return exception.Get_StatusCode();
  }
}

TEST(BadOperands, NanAndInfinityHaveNoTicks) {
  ExpectStatuses({
      {"integer from NaN", [] { return IntegerFromReal(kNan); }, UTypes_Error},
      {"integer from -inf", [] { return IntegerFromReal(-kInfinity); }, UTypes_Overflow},
      {"integer * NaN", [] { return TimesReal(kFive, kNan); }, UTypes_Error},
      {"integer * inf", [] { return TimesReal(kFive, kInfinity); }, UTypes_Overflow},
      {"0 * inf", [] { return TimesReal(kZero, kInfinity); }, UTypes_Error},
      {"integer / NaN", [] { return OverReal(kFive, kNan); }, UTypes_Error},
      {"integer / inf", [] { return OverReal(kFive, kInfinity); }, UTypes_OK},
      {"time * NaN", [] { return TimeCall(UniversalTimeTimesDouble, kSevenAndAHalf, kNan); }, UTypes_Error},
      {"time * inf", [] { return TimeCall(UniversalTimeTimesDouble, kSevenAndAHalf, kInfinity); },
       UTypes_Overflow},
      {"zero time * inf", [] { return TimeCall(UniversalTimeTimesDouble, kZeroTime, kInfinity); },
       UTypes_Error},
      {"time / NaN", [] { return TimeCall(UniversalTimeDividedByDouble, kSevenAndAHalf, kNan); },
       UTypes_Error},
      {"time / inf", [] { return TimeCall(UniversalTimeDividedByDouble, kSevenAndAHalf, kInfinity); },
       UTypes_OK},
      {"time + NaN s", [] { return SecondsCall(true, kNan); }, UTypes_Error},
      {"time - NaN s", [] { return SecondsCall(false, kNan); }, UTypes_Error},
      {"time + inf s", [] { return SecondsCall(true, kInfinity); }, UTypes_Overflow},
      {"time - inf s", [] { return SecondsCall(false, kInfinity); }, UTypes_Overflow},
  });
  // Reals are IEEE's: NaN flows through with status 0 and compares unequal.
  const UniversalReal nan(kNan), one(1.0);
  UniversalReal sum;
  EXPECT_EQ(UniversalRealPlusUniversalReal(&nan, &one, &sum), UTypes_OK);
  EXPECT_TRUE(std::isnan(static_cast<double>(sum)));
  EXPECT_EQ(UniversalRealEqualsUniversalReal(&nan, &nan), 0);
  EXPECT_EQ(UniversalRealNotEqualUniversalReal(&nan, &nan), 1);
  EXPECT_EQ(
      UniversalRealLessEqualUniversalReal(&nan, &one) + UniversalRealGreaterEqualUniversalReal(&nan, &one),
      0);
}

TEST(BadOperands, DivisionsByZeroOfEveryKind) {
  const UniversalInteger unwritten(99);
  const auto integerResult = [&](FlatArithmetic flat, const UniversalInteger& left,
                                 const UniversalInteger& right) {
    UniversalInteger result = unwritten;
    const int status = flat(&left, &right, &result);
    return std::to_string(status) + " " +
           (Same(result, unwritten) ? "unwritten" : static_cast<const char*>(result));
  };
  EXPECT_EQ(integerResult(UniversalIntegerDividedByUniversalInteger, kFive, kZero), "1 unwritten");
  EXPECT_EQ(integerResult(UniversalIntegerDividedByUniversalInteger, kZero, kZero), "0 0");
  EXPECT_EQ(integerResult(UniversalIntegerRemUniversalInteger, UniversalInteger(-5), kZero), "0 0");
  EXPECT_EQ(integerResult(UniversalIntegerModUniversalInteger, UniversalInteger(-5), kZero), "0 -5");
  UniversalInteger result = unwritten;
  EXPECT_EQ(UniversalIntegerDividedByInt(&kFive, 0, &result), UTypes_Error);
  EXPECT_TRUE(Same(result, unwritten));
  EXPECT_EQ(UniversalIntegerDividedByInt(&kZero, 0, &result), UTypes_OK);
  ExpectStatuses({
      {"integer / 0.0", [] { return OverReal(kFive, 0.0); }, UTypes_Overflow},  // times 1 / 0.0 = inf
      {"0 / 0.0", [] { return OverReal(kZero, 0.0); }, UTypes_Error},
      {"time / int 0",
       [] {
         UniversalTime r;
         return UniversalTimeDividedByInt(&kSevenAndAHalf, 0, &r);
       },
       UTypes_Error},
      {"zero time / int 0",
       [] {
         UniversalTime r;
         return UniversalTimeDividedByInt(&kZeroTime, 0, &r);
       },
       UTypes_Error},
      {"time / 0.0", [] { return TimeCall(UniversalTimeDividedByDouble, kSevenAndAHalf, 0.0); },
       UTypes_Error},
      {"time / -0.0", [] { return TimeCall(UniversalTimeDividedByDouble, kSevenAndAHalf, -0.0); },
       UTypes_Error},
      {"time / integer 0",
       [] {
         UniversalTime r;
         return UniversalTimeDividedByUniversalInteger(&kSevenAndAHalf, &kZero, &r);
       },
       UTypes_Error},
  });
  const UniversalReal one(1.0);
  UniversalReal quotient;
  EXPECT_EQ(UniversalRealDividedByDouble(&one, 0.0, &quotient), UTypes_OK);
  EXPECT_EQ(static_cast<double>(quotient), kInfinity);
  EXPECT_EQ(UniversalRealDividedByInt(&one, 0, &quotient), UTypes_OK);
  EXPECT_EQ(static_cast<double>(quotient), kInfinity);
}

TEST(BadOperands, NullRecordsAreRefused) {
  UniversalInteger integer;
  UniversalTime time;
  UniversalReal real;
  EXPECT_EQ(UniversalIntegerPlusUniversalInteger(nullptr, &integer, &integer), UTypes_Error);
  EXPECT_EQ(UniversalIntegerModUniversalInteger(&integer, nullptr, &integer), UTypes_Error);
  EXPECT_EQ(UniversalIntegerTimesInt(&integer, 3, nullptr), UTypes_Error);
  EXPECT_EQ(UniversalIntegerTimesDouble(integer, 1.5, nullptr, &real), UTypes_Error);
  EXPECT_EQ(UniversalRealPlusUniversalReal(&real, nullptr, &real), UTypes_Error);
  EXPECT_EQ(UniversalTimePlusUniversalReal(nullptr, &real, &time), UTypes_Error);
  EXPECT_EQ(UniversalTimeDividedByUniversalInteger(&time, nullptr, &time), UTypes_Error);
  EXPECT_EQ(UniversalIntegerEqualsUniversalInteger(&integer, nullptr), 0);
  EXPECT_EQ(UniversalTimeNotEqualUniversalTime(nullptr, &time), 0);
  EXPECT_EQ(Get_OffsetTime(nullptr), 0.0);
  EXPECT_STREQ(PhysicalTimeTickImage(nullptr), "");
  ConvertUniversalTimeToInts(&time, nullptr);  // does nothing
  integer.ToHexString(nullptr);
}

}  // namespace
