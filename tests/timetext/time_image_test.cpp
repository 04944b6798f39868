// Times printed in a unit, in the unit their size picks, as tick counts and
// in hexadecimal; and images parsed back.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "integer/int128_model.h"
#include "universaltypes/time_text.h"

namespace {

UniversalTime Fs(u128 ticks, int sign = 1) { return UniversalTime(ToRecord(Normalised(sign, ticks))); }

std::string InUnit(const UniversalTime& time, TimeUnit unit) {
  UTypes_StatusCode status = UTypes_Error;
  const std::string image = TimeTickValueToString(time, unit, status);
  EXPECT_EQ(status, UTypes_OK);
  return image;
}

TEST(TimeImage, InAChosenUnit) {
  const struct {
    u128 ticks;
    int sign;
    TimeUnit unit;
    const char* image;
  } cases[] = {
      {1500000, 1, TimeUnit_ns, "1.5 ns"},       {5000000, 1, TimeUnit_ns, "5 ns"},
      {0, 1, TimeUnit_ns, "0 ns"},               {250, 1, TimeUnit_ns, "0.00025 ns"},
      {1, 1, TimeUnit_ns, "1e-06 ns"},           {1500000, -1, TimeUnit_ns, "-1.5 ns"},
      {123456, 1, TimeUnit_ps, "123.456 ps"},    {1500000000000000, 1, TimeUnit_sec, "1.5 sec"},
      {90000000000000000, 1, TimeUnit_min, "1.5 min"}, {3600000000000000000, 1, TimeUnit_hr, "1 hr"},
      {3600000000000000000, 1, TimeUnit_fs, "36e+17 fs"}, {10000000, 1, TimeUnit_fs, "1e+7 fs"},
      {1000000, 1, TimeUnit_fs, "1000000 fs"},
  };
  for (const auto& c : cases) EXPECT_EQ(InUnit(Fs(c.ticks, c.sign), c.unit), c.image);
  EXPECT_EQ(InUnit(UniversalTime(UniversalInteger(1), UniversalReal(0.5)), TimeUnit_fs), "1.5 fs");
  UTypes_StatusCode status = UTypes_OK;
  EXPECT_STREQ(TimeTickValueToString(Fs(1), static_cast<TimeUnit>(8), status), "");
  EXPECT_EQ(status, UTypes_Error);
  int ticks[5] = {1, 2, 1500000, 0, 0};
  EXPECT_STREQ(TimeTickValueToString_CF(ticks, TimeUnit_ns, status), "1.5 ns");
  // One shared buffer: the second image replaces the first.
  const char* first = TimeTickValueToString(Fs(1), TimeUnit_fs, status);
  EXPECT_EQ(TimeTickValueToString(Fs(2), TimeUnit_fs, status), first);
  EXPECT_STREQ(first, "2 fs");
}

TEST(TimeImage, UnitPickedBySizeOtherImages) {
  const std::pair<u128, const char*> cases[] = {
      {999, "999 fs"}, {1000, "1 ps"}, {123456, "123.456 ps"}, {7200000000000000000, "7200 sec"}, {0, "0 fs"}};
  for (const auto& [ticks, image] : cases) EXPECT_STREQ(static_cast<const char*>(Fs(ticks)), image);
  EXPECT_STREQ(static_cast<const char*>(Fs(2000000, -1)), "-2 ns");
  const UniversalInteger ticks(1500), minusOne(-1), zero;
  EXPECT_STREQ(PhysicalTimeTickImage(&ticks), "1500 fs");
  EXPECT_STREQ(PhysicalTimeTickImage(&minusOne), "-1 fs");
  EXPECT_STREQ(PhysicalTimeTickImage(&zero), "0 fs");
  EXPECT_STREQ(PhysicalTimeTickImage(nullptr), "");
  char hex[43];
  Fs(1).ToHexString(hex);
  EXPECT_STREQ(hex, "000000000000000000000001:0000000000000000");
  UniversalTime(UniversalInteger(1), UniversalReal(0.5)).ToHexString(hex);
  EXPECT_STREQ(hex + 24, ":3fe0000000000000");
}

// Random tick counts printed in every unit whose images are exact (fs up
// to sec) parse back to the same time.
TEST(TimeImage, ImagesParseBackExactly) {
  std::mt19937_64 random(31);
  for (int trial = 0; trial < 20000; ++trial) {
    const u128 ticks = (u128{random()} << 64 | random()) >> (32 + random() % 96);
    const UniversalTime time = Fs(ticks, random() % 2 ? 1 : -1);
    const auto unit = static_cast<TimeUnit>(random() % 6);
    const std::string image = InUnit(time, unit);
    UTypes_StatusCode status = UTypes_Error;
    const UniversalTime back = TimeValueFromTimeString(image.c_str(), status);
    ASSERT_EQ(status, UTypes_OK) << image;
    ASSERT_TRUE(back == time) << image << " from " << static_cast<const char*>(time.UniversalToPhysicalTime());
  }
}

}  // namespace
