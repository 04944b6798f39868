// Finding the unit at the end of a literal, and telling one unit.
#include <gtest/gtest.h>

#include <string>

#include "universaltypes/time_text.h"

namespace {

struct Found {
  TimeUnit unit;
  UTypes_StatusCode status;
  int position;
};

Found Find(const char* text) {
  int position = IndexToStringAfterTimeUnit(text);
  UTypes_StatusCode status = UTypes_OK;
  const TimeUnit unit = Get_TimeUnitFromString(text, status, position);
  return {unit, status, position};
}

TEST(TimeUnits, IndexAfterTheUnitName) {
  EXPECT_EQ(IndexToStringAfterTimeUnit("ns"), 2);
  EXPECT_EQ(IndexToStringAfterTimeUnit("10ns"), 4);
  EXPECT_EQ(IndexToStringAfterTimeUnit("  1.5   ns  tail"), 10);
  EXPECT_EQ(IndexToStringAfterTimeUnit("16#FF# ns"), 9);
  EXPECT_EQ(IndexToStringAfterTimeUnit("5"), 1);
  EXPECT_EQ(IndexToStringAfterTimeUnit(""), 0);
  EXPECT_EQ(IndexToStringAfterTimeUnit(nullptr), 0);
}

TEST(TimeUnits, UnitMustStandApartFromTheNumber) {
  const struct {
    const char* text;
    TimeUnit unit;
    UTypes_StatusCode status;
    int position;  // -2: not checked
  } cases[] = {
      {"5 sec", TimeUnit_sec, UTypes_OK, 1},   {"1 ns", TimeUnit_ns, UTypes_OK, 1},
      {"  ns", TimeUnit_ns, UTypes_OK, 0},     {"5 NS", TimeUnit_ns, UTypes_OK, 1},
      {"1.5 Hr", TimeUnit_hr, UTypes_OK, 3},   {"10ns", TimeUnit_ns, UTypes_Error, -2},
      {"5 secs", TimeUnit_sec, UTypes_Error, -2}, {"5 xs", TimeUnit_fs, UTypes_Error, -1},
      {"5", TimeUnit_fs, UTypes_Error, -2},
  };
  for (const auto& c : cases) {
    const Found found = Find(c.text);
    EXPECT_EQ(found.status, c.status) << c.text;
    EXPECT_EQ(found.unit, c.unit) << c.text;
    if (c.position != -2) {
      EXPECT_EQ(found.position, c.position) << c.text;
    }
  }
  // A position past the end of the text reads nothing beyond it.
  UTypes_StatusCode status;
  int position = 1000;
  EXPECT_EQ(Get_TimeUnitFromString("1 ps", status, position), TimeUnit_ps);
}

TEST(TimeUnits, ExactlyOneUnitAndTheConstantsChain) {
  int twoPicoseconds[5] = {1, 1, 2000, 0, 0}, minusOne[5] = {-1, 1, 1, 0, 0};
  TimeUnit unchanged = TimeUnit_hr;
  EXPECT_EQ(TimeUnitFromTime(twoPicoseconds, unchanged), UTypes_Error);
  EXPECT_EQ(TimeUnitFromTime(minusOne, unchanged), UTypes_Error);
  EXPECT_EQ(unchanged, TimeUnit_hr);
  // Each unit is the one before times 1000, 60 or 60, and is found again.
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
  EXPECT_EQ(std::string(static_cast<const char*>(unit.UniversalToPhysicalTime())), "3600000000000000000");
}

}  // namespace
