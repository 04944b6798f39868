// Decimal and hexadecimal images of integers.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "integer/int128_model.h"
#include "support/test_scale.h"

namespace {

constexpr std::uint64_t kSeed = 4096;

UniversalInteger I(u128 magnitude, int sign = 1) { return ToRecord(Normalised(sign, magnitude)); }

std::string Image(const UniversalInteger& value) { return static_cast<const char*>(value); }

std::string Printed(const UniversalInteger& whole, double fraction, int precision = 12) {
  char buffer[4096];
  whole.PrintToBuffer(buffer, fraction, precision);
  return buffer;
}

std::string Hex(const UniversalInteger& value) {
  char buffer[26];
  value.ToHexString(buffer);
  return buffer;
}

TEST(IntegerDecimalImage, MatchesAnIndependentConversionForEveryDigitCount) {
  std::mt19937_64 random(kSeed);
  for (long trial = 0; trial < ScaledCount(700000); ++trial) {
    const int count = static_cast<int>(trial % 7);
    const u128 magnitude = count == 0 ? 0 : (u128{random()} << 64 | random()) >> (128 - 16 * count);
    const Model model = Normalised(random() % 2 ? 1 : -1, magnitude);
    ASSERT_EQ(Image(ToRecord(model)), ToString(model)) << "seed " << kSeed << " trial " << trial;
  }
  EXPECT_EQ(Image(I(kMax96)), "79228162514264337593543950335");
  EXPECT_EQ(Image(ToRecord({-1, 0})), "-0");
}

TEST(IntegerDecimalImage, PrintToBufferShapes) {
  EXPECT_EQ(Printed(I(12), 0.0), "12");
  EXPECT_EQ(Printed(I(10000000), 0.0), "1e+7");
  EXPECT_EQ(Printed(I(120000000), 0.0), "12e+7");
  EXPECT_EQ(Printed(I(1000000), 0.0), "1000000");
  EXPECT_EQ(Printed(I(10000000, -1), 0.0), "-1e+7");
  EXPECT_EQ(Printed(I(0), 0.0), "0");
  EXPECT_EQ(Printed(I(10000000), 1e-14), "10000000");
  EXPECT_EQ(Printed(I(3), 0.25), "3.25");
  EXPECT_EQ(Printed(I(4, -1), 0.75), "-3.25");
  EXPECT_EQ(Printed(I(1, -1), 0.5), "-0.5");
  EXPECT_EQ(Printed(I(0), 0.5), "0.5");
  EXPECT_EQ(Printed(I(0), 2e-06), "2e-06");
  EXPECT_EQ(Printed(I(3), 0.9999999999999), "4");
  EXPECT_EQ(Printed(I(999999), 0.9999999999999, 12), "1000000");
  EXPECT_EQ(Printed(ToRecord({-1, 0}), 0.25), "0.25");
  EXPECT_THROW(Printed(I(kMax96), 0.9999999999999), UTypes_StatusCodeException);
  // A precision far past the fraction area neither overruns nor crashes.
  EXPECT_LT(Printed(I(3), 0.1, 100000).size(), 70u);
  EXPECT_LT(Printed(I(0), 0.1, 100000).size(), 70u);
}

TEST(IntegerHexImage, TwentyFourDigitsWithASignForNegatives) {
  EXPECT_EQ(Hex(I(1)), "000000000000000000000001");
  EXPECT_EQ(Hex(I(u128{1} << 32, -1)), "-000000000000000100000000");
  EXPECT_EQ(Hex(I(kMax96)), std::string(24, 'f'));
  EXPECT_EQ(Hex(I(0)), std::string(24, '0'));
  EXPECT_EQ(Hex(I((u128{0x89ABCDEF} << 64) | 0x0123456789ABCDEFu)), "89abcdef0123456789abcdef");
}

}  // namespace
