// The literal grammar, its failures, the counted-string form and the digit
// helpers; exactness against fractions is the oracle's (literal_oracle.py).
#include <gtest/gtest.h>

#include <string>

#include "universaltypes/time_text.h"

namespace {

std::string Ticks(const UniversalTime& time) {
  return static_cast<const char*>(time.UniversalToPhysicalTime());
}

struct Parsed {
  UTypes_StatusCode status;
  std::string ticks;
  double offset;
};

Parsed Parse(const char* text) {
  UTypes_StatusCode status = UTypes_OK;
  const UniversalTime time = TimeValueFromTimeString(text, status);
  return {status, Ticks(time), time.Get_OffsetTime().UniversalRealToDouble()};
}

TEST(TimeLiteral, WellFormedLiteralsAreExact) {
  const std::pair<const char*, const char*> cases[] = {
      {"  -2.25 us ", "-2250000000"}, {"1_000 ps", "1000000"}, {"15E-1 ns", "1500000"},
      {"16#F.8# ns", "15500000"}, {"2#1010#E10 ps", "40000"}, {"#12# ns", "12000000"},
      {"ns", "1000000"}, {"5 sec extra", "5000000000000000"}, {"16#1E# ns", "30000000"},
      // Digit counts and exponent sizes that a step-by-step parser gets wrong.
      {"1.0000000000000000000000000001 sec", "1000000000000000"},
      {"1e0000000000000000000000000003 ns", "1000000000"},
      {"00000000000000000000000000001 fs", "1"},
      {"10000000000000000000000000000 fs", "10000000000000000000000000000"},
      {"0.123456789012 hr", "444444440443200000"},
      {"1e-99999999999999999999 fs", "0"}, {"0e99999999999999999999 fs", "0"},
      // Peer tools' classic errors: every one of these is exact here.
      {"8.2 ms", "8200000000000"}, {"0.3 ns", "300000"}, {"2.675 ps", "2675"},
      {"1.1 us", "1100000000"}, {"9223372036854775808 fs", "9223372036854775808"},
      {"2.56 hr", "9216000000000000000"},
  };
  for (const auto& [text, ticks] : cases) {
    const Parsed parsed = Parse(text);
    EXPECT_EQ(parsed.status, UTypes_OK) << text;
    EXPECT_EQ(parsed.ticks, ticks) << text;
  }
  EXPECT_EQ(Parse("8.2 ms").ticks, Parse("8200 us").ticks);
  const Parsed pi = Parse("3.14159265358979323846 sec");
  EXPECT_EQ(pi.ticks, "3141592653589793");
  EXPECT_EQ(pi.offset, 0.23846);
}

TEST(TimeLiteral, TheAnalogFlagDecidesTheSubFemtosecondRest) {
  EXPECT_EQ(Parse("1.2345 fs").offset, 0.2345);
  EXPECT_EQ(Parse("-1.2345 fs").ticks, "-2");
  EXPECT_EQ(Parse("-1.2345 fs").offset, 0.7655);  // rounded once, from the exact rest
  UniversalTime::Set_AnalogExists(false);
  EXPECT_EQ(Parse("-1.2345 fs").ticks, "-1");
  EXPECT_EQ(Parse("15E-1 fs").ticks, "1");
  EXPECT_EQ(Parse("15E-1 fs").offset, 0.0);
  EXPECT_EQ(Parse("1.5e1 fs").ticks, "15");
  UniversalTime::Set_AnalogExists(true);
}

TEST(TimeLiteral, FailuresReturnZeroOrOneUnit) {
  // Every other malformed class is in the oracle's list.
  const std::pair<const char*, const char*> cases[] = {
      {"1ns", "0"}, {"\xB5s", "0"}, {"1__0 ps", "1000"}, {".5 ns", "1000000"}};
  for (const auto& [text, ticks] : cases) {
    const Parsed parsed = Parse(text);
    EXPECT_EQ(parsed.status, UTypes_Error) << text;
    EXPECT_EQ(parsed.ticks, ticks) << text;
  }
  EXPECT_EQ(Parse(nullptr).status, UTypes_Error);
  UTypes_StatusCode status;
  EXPECT_THROW(TimeValueFromTimeString("1e30 fs", status), UTypes_StatusCodeException);
  EXPECT_THROW(TimeValueFromTimeString("79228162514264337593543950336 fs", status),
               UTypes_StatusCodeException);
  EXPECT_EQ(Parse("-79228162514264337593543950335 fs").ticks, "-79228162514264337593543950335");
}

TEST(TimeLiteral, CountedFormCutsTheTextAndSwitchesBasedLiteralsOff) {
  int array[5] = {9, 9, 9, 9, 9};
  int* ticks = array;
  UTypes_StatusCode status;
  TimeValueFromTimeString_CF("1.5 nsXYZ", 6, ticks, status);
  EXPECT_EQ(status, UTypes_OK);
  EXPECT_EQ(array[2], 1500000);
  Set_DisableBaseLiterals(true);
  TimeValueFromTimeString_CF("16#FF# ns", 9, ticks, status);
  EXPECT_EQ(status, UTypes_Error);
  EXPECT_EQ(array[2], 1000000);
  EXPECT_TRUE(Is_BasedNumber("16#FF# ns", 0, 6));  // on again after the call
  TimeValueFromTimeString_CF(nullptr, 5, ticks, status);
  EXPECT_EQ(status, UTypes_Error);
  EXPECT_EQ(array[1], 0);
  TimeValueFromTimeString_CF("1 ns", -1, ticks, status);
  EXPECT_EQ(status, UTypes_Error);
  EXPECT_THROW(TimeValueFromTimeString_CF("1e40 fs", 7, ticks, status), UTypes_StatusCodeException);
  EXPECT_TRUE(Is_BasedNumber("16#FF# ns", 0, 6));
}

TEST(TimeLiteral, DigitHelpers) {
  const struct {
    char c, next;
    int base, value, error;
  } digits[] = {{'7', ' ', 8, 7, 0},  {'8', ' ', 8, 8, 1},  {'c', '1', 16, 12, 0}, {'C', '1', 12, 12, 1},
                {'E', '-', 16, 14, 1}, {'E', '1', 16, 14, 0}, {'.', '5', 10, 0, 1},  {'3', ' ', 17, 0, 1}};
  for (const auto& d : digits) {
    int error = -1;
    EXPECT_EQ(Get_Digit(d.c, d.next, d.base, error), d.value) << d.c;
    EXPECT_EQ(error, d.error) << d.c;
  }
  const UniversalTime unit(1000);
  UTypes_StatusCode status = UTypes_OK;
  int position = 0, count = 0;
  EXPECT_EQ(Ticks(Add_Integer(unit, 10, "1_234x", position, 6, count, status)), "1234000");
  EXPECT_EQ(position, 5);
  EXPECT_EQ(count, 4);
  EXPECT_EQ(status, UTypes_OK);
  const std::string nines(29, '9'), zeros = std::string(28, '0') + "1";
  position = 0;
  EXPECT_TRUE(Add_Integer(UniversalTime(1), 10, zeros.c_str(), position, 29, count, status) ==
              UniversalTime::Get_TheConstantTickHigh());
  position = 0;
  EXPECT_THROW(Add_Integer(UniversalTime(1), 10, nines.c_str(), position, 29, count, status),
               UTypes_StatusCodeException);
  position = 0;
  Add_Integer(unit, 10, "1__2", position, 4, count, status);
  EXPECT_EQ(status, UTypes_Error);
}

}  // namespace
