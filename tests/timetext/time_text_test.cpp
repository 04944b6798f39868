// Time text, pinned: literals peer tools get wrong, the unit finder, the
// digit helpers, and the image layout rule by rule. Exactness over random
// literals is the oracle's (literal_oracle.py), bad text bad_input_test's,
// and images of random times the exact image route's test.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "integer/int128_model.h"
#include "universaltypes/time_text.h"

namespace {

std::string Ticks(const UniversalTime& time) { return static_cast<const char*>(time.UniversalToPhysicalTime()); }

TEST(TimeLiteral, WellFormedLiteralsAreExact) {
  const std::pair<const char*, const char*> cases[] = {
      // A unit alone is one unit; a word after the unit is ignored; E is a
      // digit in base 16; '#12#' is base 10.
      {"ns", "1000000"}, {"5 sec extra", "5000000000000000"}, {"16#1E# ns", "30000000"}, {"#12# ns", "12000000"},
      // Digit counts and exponent sizes that a step-by-step parser gets wrong.
      {"1.0000000000000000000000000001 sec", "1000000000000000"},
      {"1e0000000000000000000000000003 ns", "1000000000"},
      {"00000000000000000000000000001 fs", "1"},
      {"10000000000000000000000000000 fs", "10000000000000000000000000000"},
      {"0.123456789012 hr", "444444440443200000"},
      {"1e-99999999999999999999 fs", "0"}, {"0e99999999999999999999 fs", "0"},
      {"-79228162514264337593543950335 fs", "-79228162514264337593543950335"},
      // Peer tools' classic errors: every one of these is exact here.
      {"8.2 ms", "8200000000000"}, {"8200 us", "8200000000000"}, {"0.3 ns", "300000"}, {"2.675 ps", "2675"},
      {"1.1 us", "1100000000"}, {"9223372036854775808 fs", "9223372036854775808"},
      {"2.56 hr", "9216000000000000000"},
  };
  for (const auto& [text, ticks] : cases) {
    UTypes_StatusCode status = UTypes_Error;
    EXPECT_EQ(Ticks(TimeValueFromTimeString(text, status)), ticks) << text;
    EXPECT_EQ(status, UTypes_OK) << text;
  }
  UTypes_StatusCode status;
  const UniversalTime pi = TimeValueFromTimeString("3.14159265358979323846 sec", status);
  EXPECT_EQ(Ticks(pi), "3141592653589793");
  EXPECT_EQ(pi.Get_OffsetTime().UniversalRealToDouble(), 0.23846);
}

TEST(TimeUnits, FoundAfterTheNumberAndStandingApartFromIt) {
  constexpr int kUnchecked = 1 << 30;
  const std::pair<const char*, int> ends[] = {{"ns", 2}, {"10ns", 4}, {"  1.5   ns  tail", 10}, {"16#FF# ns", 9},
                                              {"5", 1},  {"", 0},     {nullptr, 0}};
  for (const auto& [text, end] : ends) EXPECT_EQ(IndexToStringAfterTimeUnit(text), end) << (text ? text : "null");
  const struct {
    const char* text;
    TimeUnit unit;
    UTypes_StatusCode status;
    int position;  // kUnchecked: not checked
  } cases[] = {
      {"5 sec", TimeUnit_sec, UTypes_OK, 1},      {"1 ns", TimeUnit_ns, UTypes_OK, 1},
      {"  ns", TimeUnit_ns, UTypes_OK, 0},        {"5 NS", TimeUnit_ns, UTypes_OK, 1},
      {"1.5 Hr", TimeUnit_hr, UTypes_OK, 3},      {"10ns", TimeUnit_ns, UTypes_Error, kUnchecked},
      {"5 secs", TimeUnit_sec, UTypes_Error, kUnchecked}, {"5 xs", TimeUnit_fs, UTypes_Error, -1},
      // The first step's two back, before the text, is where position ends.
      {"5", TimeUnit_fs, UTypes_Error, -1},         {"", TimeUnit_fs, UTypes_Error, -2},
  };
  for (const auto& c : cases) {
    int position = IndexToStringAfterTimeUnit(c.text);
    UTypes_StatusCode status = UTypes_OK;
    EXPECT_EQ(Get_TimeUnitFromString(c.text, status, position), c.unit) << c.text;
    EXPECT_EQ(status, c.status) << c.text;
    EXPECT_TRUE(c.position == kUnchecked || position == c.position) << c.text;
  }
  // A position past the end of the text reads nothing beyond it.
  UTypes_StatusCode status;
  int position = 1000;
  EXPECT_EQ(Get_TimeUnitFromString("1 ps", status, position), TimeUnit_ps);
  // Each unit is the one before times 1000, 60 or 60, and is told again.
  UniversalTime unit(1);
  const int factors[] = {1, 1000, 1000, 1000, 1000, 1000, 60, 60};
  for (int index = 0; index < 8; ++index) {
    unit = unit * factors[index];
    int ticks[5];
    unit.ConvertUniversalTimeToInts(ticks);
    TimeUnit found = TimeUnit_fs;
    EXPECT_EQ(TimeUnitFromTime(ticks, found), UTypes_OK);
    EXPECT_EQ(found, index);
  }
  EXPECT_EQ(Ticks(unit), "3600000000000000000");
}

TEST(TimeLiteral, DigitHelpers) {
  const struct {
    char c, next;
    int base, value, error;
  } digits[] = {{'7', ' ', 8, 7, 0},   {'8', ' ', 8, 8, 1},   {'c', '1', 16, 12, 0}, {'C', '1', 12, 12, 1},
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
  EXPECT_TRUE(position == 5 && count == 4 && status == UTypes_OK);
  const std::string nines(29, '9'), zeros = std::string(28, '0') + "1";
  position = 0;
  EXPECT_TRUE(Add_Integer(UniversalTime(1), 10, zeros.c_str(), position, 29, count, status) ==
              UniversalTime::Get_TheConstantTickHigh());
  position = 0;
  EXPECT_EQ(StatusOf([&] { Add_Integer(UniversalTime(1), 10, nines.c_str(), position, 29, count, status); }),
            UTypes_Overflow);
  position = 0;
  Add_Integer(unit, 10, "1__2", position, 4, count, status);
  EXPECT_EQ(status, UTypes_Error);
}

constexpr int kAutomatic = 8;  // not a unit: the image in the unit the time's size picks

UniversalTime Fs(u128 ticks, int sign = 1) { return UniversalTime(I(ticks, sign)); }

std::string Image(const UniversalTime& time, int unit) {
  if (unit == kAutomatic) return static_cast<const char*>(time);
  UTypes_StatusCode status = UTypes_Error;
  const std::string image = TimeTickValueToString(time, static_cast<TimeUnit>(unit), status);
  EXPECT_EQ(status, UTypes_OK);
  return image;
}

TEST(TimeImage, LayoutRuleByRule) {
  const struct {
    u128 ticks;
    int sign, unit;
    const char* image;
  } cases[] = {
      // Whole numbers compact past six trailing zeros.
      {PowerOfTen(6), 1, TimeUnit_fs, "1000000 fs"}, {PowerOfTen(7), -1, TimeUnit_fs, "-1e+7 fs"},
      {36 * PowerOfTen(17), 1, TimeUnit_fs, "36e+17 fs"}, {PowerOfTen(28), 1, TimeUnit_ps, "1e+25 ps"},
      {15 * PowerOfTen(17), 1, TimeUnit_sec, "1500 sec"}, {0, 1, TimeUnit_us, "0 us"},
      {90 * PowerOfTen(15), 1, TimeUnit_min, "1.5 min"}, {36 * PowerOfTen(17), 1, TimeUnit_hr, "1 hr"},
      // Fractions keep every digit of the remainder (15 in sec); alone, they take general form.
      {1500000, -1, TimeUnit_ns, "-1.5 ns"}, {PowerOfTen(15) + 1, 1, TimeUnit_sec, "1.000000000000001 sec"},
      {u128{1} << 64, -1, TimeUnit_ns, "-18446744073709.551616 ns"},
      {kMax96, 1, TimeUnit_ns, "79228162514264337593543.950335 ns"},
      {250, 1, TimeUnit_ns, "0.00025 ns"}, {1, 1, TimeUnit_ns, "1e-06 ns"},
      {PowerOfTen(15) - 1, 1, TimeUnit_sec, "0.999999999999999 sec"},
      // The unit by size: the largest of fs to sec not above the magnitude.
      {0, 1, kAutomatic, "0 fs"}, {999, 1, kAutomatic, "999 fs"}, {1000, -1, kAutomatic, "-1 ps"},
      {PowerOfTen(15) - 1, 1, kAutomatic, "999.999999999999 ms"}, {72 * PowerOfTen(17), 1, kAutomatic, "7200 sec"},
      {kMax96, 1, kAutomatic, "79228162514264.337593543950335 sec"},
  };
  for (const auto& c : cases) EXPECT_EQ(Image(Fs(c.ticks, c.sign), c.unit), c.image);
  EXPECT_EQ(Image(UniversalTime(UniversalInteger(1), UniversalReal(0.5)), TimeUnit_fs), "1.5 fs");
  UTypes_StatusCode status = UTypes_OK;
  int ticks[5] = {1, 2, 1500000, 0, 0};
  EXPECT_STREQ(TimeTickValueToString_CF(ticks, TimeUnit_ns, status), "1.5 ns");
  // One shared buffer: the second image replaces the first.
  const char* first = TimeTickValueToString(Fs(1), TimeUnit_fs, status);
  EXPECT_EQ(TimeTickValueToString(Fs(2), TimeUnit_fs, status), first);
  EXPECT_STREQ(first, "2 fs");
  const UniversalInteger tickCount(1500), minusOne(-1);
  EXPECT_STREQ(PhysicalTimeTickImage(&tickCount), "1500 fs");
  EXPECT_STREQ(PhysicalTimeTickImage(&minusOne), "-1 fs");
  char hex[43];
  Fs(1).ToHexString(hex);
  EXPECT_STREQ(hex, "000000000000000000000001:0000000000000000");
  UniversalTime(UniversalInteger(1), UniversalReal(0.5)).ToHexString(hex);
  EXPECT_STREQ(hex + 24, ":3fe0000000000000");
}

// Random tick counts printed in every unit whose images are exact (fs up
// to sec) parse back to the same time.
TEST(TimeImage, ImagesParseBackExactly) {
  constexpr unsigned kSeed = 31;
  std::mt19937_64 random(kSeed);
  for (int trial = 0; trial < 20000; ++trial) {
    const u128 ticks = (u128{random()} << 64 | random()) >> (32 + random() % 96);
    const UniversalTime time = Fs(ticks, random() % 2 ? 1 : -1);
    const std::string image = Image(time, static_cast<int>(random() % 6));
    UTypes_StatusCode status = UTypes_Error;
    const UniversalTime back = TimeValueFromTimeString(image.c_str(), status);
    ASSERT_EQ(status, UTypes_OK) << "seed " << kSeed << ": " << image;
    ASSERT_TRUE(back == time) << "seed " << kSeed << ": " << image << " from " << Ticks(time);
  }
}

}  // namespace
