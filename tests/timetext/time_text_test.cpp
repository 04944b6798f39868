// Time text, pinned: the unit finder, the digit helpers, and what the host
// sees around an image (literals and image layouts have their oracles).
#include <gtest/gtest.h>

#include <string>

#include "support/int128_model.h"
#include "universaltypes/time_text.h"

namespace {

TEST(TimeUnits, FoundAfterTheNumberAndStandingApartFromIt) {
  EXPECT_EQ(IndexToStringAfterTimeUnit(nullptr), 0);
  constexpr int kUnchecked = 1 << 30;
  const struct {
    const char* text;
    int end;  // past the unit, where the search starts
    TimeUnit unit;
    UTypes_StatusCode status;
    int position;  // where the search ends; the first step's two back, before the text, when none is found
  } cases[] = {
      {"5 sec", 5, TimeUnit_sec, UTypes_OK, 1},   {"1 ns", 4, TimeUnit_ns, UTypes_OK, 1},
      {"  ns", 4, TimeUnit_ns, UTypes_OK, 0},     {"  1.5   ns  tail", 10, TimeUnit_ns, UTypes_OK, kUnchecked},
      {"1.5 Hr", 6, TimeUnit_hr, UTypes_OK, 3},   {"10ns", 4, TimeUnit_ns, UTypes_Error, kUnchecked},
      {"5 secs", 6, TimeUnit_sec, UTypes_Error, kUnchecked}, {"16#FF# NS", 9, TimeUnit_ns, UTypes_OK, kUnchecked},
      {"5 xs", 4, TimeUnit_fs, UTypes_Error, -1}, {"5", 1, TimeUnit_fs, UTypes_Error, -1},
      {"", 0, TimeUnit_fs, UTypes_Error, -2},
  };
  for (const auto& c : cases) {
    int position = IndexToStringAfterTimeUnit(c.text);
    EXPECT_EQ(position, c.end) << c.text;
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
  EXPECT_EQ(TicksText(unit), "3600000000000000000");
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
  EXPECT_EQ(TicksText(Add_Integer(unit, 10, "1_234x", position, 6, count, status)), "1234000");
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

// (Hexadecimal images are the image fuzz target's, to the bit.)
TEST(TimeImage, OneSharedBufferForEveryImageCall) {
  UTypes_StatusCode status = UTypes_OK;
  int ticks[5] = {1, 2, 1500000, 0, 0};
  const char* first = TimeTickValueToString_CF(ticks, TimeUnit_ns, status);
  EXPECT_STREQ(first, "1.5 ns");
  EXPECT_EQ(TimeTickValueToString(UniversalTime(2), TimeUnit_fs, status), first);
  EXPECT_STREQ(first, "2 fs");
}

}  // namespace
