// Integers meet reals: conversion both ways and scaling by a real, against
// exact computations on unsigned __int128.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "support/int128_model.h"
#include "support/record_source.h"
#include "support/test_scale.h"

namespace {

constexpr std::uint64_t kSeed = 977;

// Exact truncation of a finite |x| < 2^96 from its mantissa and exponent.
u128 Truncated(double x) {
  int exponent = 0;
  const double mantissa = std::frexp(std::fabs(x), &exponent);
  const auto bits = static_cast<u128>(std::ldexp(mantissa, 53));
  return exponent >= 53 ? bits << (exponent - 53) : (exponent > -80 ? bits >> (53 - exponent) : 0);
}

// From a real: exact truncation. To a real: the top words rounded, then the
// low word added and rounded again.
TEST(IntegerRealConversion, TruncatesFromARealAndRoundsInTwoStepsToOne) {
  EXPECT_TRUE(Matches(UniversalInteger(UniversalReal(-0.5)), {1, 0}));
  EXPECT_EQ(static_cast<double>(I(kMax96)), 79228162514264337593543950336.0);
  EXPECT_TRUE(std::signbit(static_cast<double>(RawRecord(-1, 0, 0))));
  std::mt19937_64 random(kSeed);
  RecordSource source(kSeed);
  for (long trial = 0; trial < ScaledCount(200000); ++trial) {
    SCOPED_TRACE("seed " + std::to_string(kSeed) + " trial " + std::to_string(trial));
    const double x =
        std::ldexp(std::uniform_real_distribution<double>(-1, 1)(random), static_cast<int>(random() % 97));
    ASSERT_TRUE(Matches(UniversalInteger(UniversalReal(x)), Normalised(x < 0 ? -1 : 1, Truncated(x)))) << x;
    const u128 magnitude = source.Magnitude();
    const double expected = static_cast<double>(static_cast<std::uint64_t>(magnitude >> 32)) * 4294967296.0 +
                            static_cast<double>(static_cast<std::uint32_t>(magnitude));
    ASSERT_EQ(static_cast<double>(I(magnitude, -1)), -expected);
    ASSERT_EQ(UniversalReal(I(magnitude)).UniversalRealToDouble(), expected);
  }
}

struct Scaled {
  int status;
  UniversalInteger product;
  double remainder;
};

// Product and remainder start as sentinels: a failing call writes neither.
Scaled Scale(const UniversalInteger& integer, double factor) {
  Scaled result{UTypes_OK, I(12345, -1), -1.0};
  UniversalReal remainder(-1.0);
  result.status = UniversalIntegerTimesDouble(integer, factor, &result.product, &remainder);
  result.remainder = remainder;
  return result;
}

TEST(IntegerTimesReal, SignsSnappingAndACarryThroughA65535Digit) {
  const u128 big = u128{3378405209947483780u} * 1000 + 723, bigProduct = u128{3247307054809295651u} * 1000 + 784;
  const struct {
    Model integer;
    double factor;
    Model product;
    double remainder;
  } cases[] = {
      // Negative products keep a remainder of zero or more: the dyadic test's.
      {{1, 5}, -0.0, {1, 0}, 0.0},
      {{1, 5}, 2.9999999999999996, {1, 15}, 0.0},
      {{1, 1}, 1e-17, {1, 0}, 0.0},
      {{1, 1}, 123456789012345.55, {1, 123456789012346u}, 0.0},
      {{1, 1}, 123456789012345.45, {1, 123456789012345u}, 0.453125},
      {{1, big}, 0.9611952542719925, {1, bigProduct}, 0.8488991608319338},
      {{1, 0}, 1e300, {1, 0}, 0.0},
  };
  for (const auto& c : cases) {
    const Scaled scaled = Scale(ToRecord(c.integer), c.factor);
    EXPECT_EQ(scaled.status, UTypes_OK) << c.factor;
    EXPECT_TRUE(Matches(scaled.product, c.product))
        << c.factor << " gave " << static_cast<const char*>(scaled.product);
    EXPECT_EQ(scaled.remainder, c.remainder) << c.factor;
  }
  EXPECT_TRUE(Matches(I(10) / UniversalReal(-4.0), {-1, 2}));
  EXPECT_EQ(UniversalInteger::Get_Remainder().UniversalRealToDouble(), 0.5);
  const UniversalInteger dividend = I(12345, -1);
  UniversalInteger quotient;
  EXPECT_EQ(UniversalIntegerDividedByDouble(&dividend, 4.0, &quotient), UTypes_OK);
  EXPECT_TRUE(Matches(quotient, {-1, 3086}));
  // An overflowing product still publishes the remainder of its fraction.
  EXPECT_EQ(Scale(I(kMax96), 1.25).status, UTypes_Overflow);
  EXPECT_EQ(UniversalInteger::Get_Remainder().UniversalRealToDouble(), 0.75);
  EXPECT_EQ(Scale(I(1), std::ldexp(1.0, 96)).status, UTypes_Overflow);
}

// Dyadic factors j / 2^16 make every step of the digit-by-digit product
// exact, so the product and remainder must be exact too.
TEST(IntegerTimesReal, ExactForDyadicFactors) {
  RecordSource source(kSeed);
  for (long trial = 0; trial < ScaledCount(200000); ++trial) {
    SCOPED_TRACE("seed " + std::to_string(kSeed) + " trial " + std::to_string(trial));
    const u128 magnitude = source.Magnitude();
    const std::uint64_t numerator = source.Below(1 << 24);
    const double factor = std::ldexp(static_cast<double>(numerator), -16) * (source.Below(2) ? 1 : -1);
    const u128 exact = magnitude * numerator;  // < 2^120
    const Scaled scaled = Scale(I(magnitude), factor);
    if ((exact >> 16) > kMax96) {
      // A failing call writes neither output.
      ASSERT_TRUE(scaled.status == UTypes_Overflow && scaled.product == I(12345, -1) && scaled.remainder == -1.0);
      continue;
    }
    ASSERT_EQ(scaled.status, UTypes_OK);
    ASSERT_TRUE(Matches(scaled.product, Normalised(factor < 0 ? -1 : 1, exact >> 16)));
    ASSERT_EQ(scaled.remainder, std::ldexp(static_cast<double>(exact & 0xFFFF), -16));
  }
}

// Any other factor: the result is |a| * |d| up to the rounding of the
// double steps, a relative error near 2^-52 of the product.
TEST(IntegerTimesReal, WithinDoubleRoundingOfTheExactProduct) {
  std::mt19937_64 random(kSeed);
  for (long trial = 0; trial < ScaledCount(100000); ++trial) {
    const u128 magnitude = (u128{random()} << 64 | random()) >> (54 + random() % 70);  // < 2^74
    const double factor = std::uniform_real_distribution<double>(0, 4)(random);
    int exponent = 0;
    const auto mantissa = static_cast<u128>(std::ldexp(std::frexp(factor, &exponent), 53));
    const Scaled scaled = Scale(I(magnitude), factor);  // factor = mantissa / 2^(53 - exponent)
    ASSERT_EQ(scaled.status, UTypes_OK);
    const long double got = static_cast<long double>(MagnitudeOf(FieldsOf(scaled.product))) + scaled.remainder;
    const long double want = std::ldexp(static_cast<long double>(magnitude * mantissa), exponent - 53);
    EXPECT_LE(std::fabs(got - want), std::max(2.0L, want * 0x1p-48L)) << "seed " << kSeed << " trial " << trial;
  }
}

}  // namespace
