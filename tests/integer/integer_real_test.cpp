// Integers meet reals: conversion both ways and scaling by a real, against
// exact computations on unsigned __int128.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "integer/int128_model.h"
#include "support/test_scale.h"

namespace {

constexpr std::uint64_t kSeed = 977;
const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

UniversalInteger I(u128 magnitude, int sign = 1) { return ToRecord(Normalised(sign, magnitude)); }

// Exact truncation of a finite |x| < 2^96 from its mantissa and exponent.
u128 Truncated(double x) {
  int exponent = 0;
  const double mantissa = std::frexp(std::fabs(x), &exponent);
  const auto bits = static_cast<u128>(std::ldexp(mantissa, 53));
  return exponent >= 53 ? bits << (exponent - 53) : (exponent > -80 ? bits >> (53 - exponent) : 0);
}

int StatusOf(const auto& operation) {
  try {
    operation();
    return UTypes_OK;
  } catch (const UTypes_StatusCodeException& exception) {
    return exception.Get_StatusCode();
  }
}

TEST(IntegerFromReal, TruncatesExactlyAndRefusesWhatHasNoWords) {
  EXPECT_TRUE(Matches(UniversalInteger(UniversalReal(-0.5)), {1, 0}));
  EXPECT_TRUE(Matches(UniversalInteger(UniversalReal(4294967295.5)), {1, 4294967295u}));
  std::mt19937_64 random(kSeed);
  for (long trial = 0; trial < ScaledCount(200000); ++trial) {
    const double x = std::ldexp(std::uniform_real_distribution<double>(-1, 1)(random),
                                static_cast<int>(random() % 97));
    ASSERT_TRUE(Matches(UniversalInteger(UniversalReal(x)), Normalised(x < 0 ? -1 : 1, Truncated(x))))
        << "seed " << kSeed << " x " << x;
  }
  EXPECT_EQ(StatusOf([] { UniversalInteger(UniversalReal(std::ldexp(1.0, 96))); }), UTypes_Overflow);
  EXPECT_EQ(StatusOf([&] { UniversalInteger(UniversalReal(-kInf)); }), UTypes_Overflow);
  EXPECT_EQ(StatusOf([&] { UniversalInteger(UniversalReal(kNaN)); }), UTypes_Error);
}

TEST(IntegerToReal, RoundsTheTopWordsThenTheLowWord) {
  std::mt19937_64 random(kSeed);
  for (int trial = 0; trial < 100000; ++trial) {
    const u128 magnitude = (u128{random()} << 64 | random()) & kMax96;
    const double expected =
        static_cast<double>(static_cast<std::uint64_t>(magnitude >> 32)) * 4294967296.0 +
        static_cast<double>(static_cast<std::uint32_t>(magnitude));
    ASSERT_EQ(static_cast<double>(I(magnitude, -1)), -expected);
    ASSERT_EQ(UniversalReal(I(magnitude)).UniversalRealToDouble(), expected);
  }
  EXPECT_EQ(static_cast<double>(I(kMax96)), 79228162514264337593543950336.0);
  EXPECT_TRUE(std::signbit(static_cast<double>(ToRecord({-1, 0}))));
}

struct Scaled {
  int status;
  UniversalInteger product;
  double remainder;
};

Scaled Scale(const UniversalInteger& integer, double factor) {
  Scaled result{UTypes_OK, ToRecord({-1, 12345}), -1.0};
  UniversalReal remainder(-1.0);
  result.status = UniversalIntegerTimesDouble(integer, factor, &result.product, &remainder);
  result.remainder = remainder;
  return result;
}

void ExpectScaled(const UniversalInteger& integer, double factor, Model product, double remainder) {
  const Scaled scaled = Scale(integer, factor);
  EXPECT_EQ(scaled.status, UTypes_OK) << factor;
  EXPECT_TRUE(Matches(scaled.product, product))
      << factor << " gave " << static_cast<const char*>(scaled.product);
  EXPECT_EQ(scaled.remainder, remainder) << factor;
}

TEST(IntegerTimesReal, SignsSnappingAndACarryThroughA65535Digit) {
  ExpectScaled(I(7, -1), 2.5, {-1, 17}, 0.5);  // the remainder is never negative
  ExpectScaled(I(3, -1), 0.25, {1, 0}, 0.75);
  ExpectScaled(I(5), -0.0, {1, 0}, 0.0);
  ExpectScaled(I(5), 2.9999999999999996, {1, 15}, 0.0);
  ExpectScaled(I(1), 1e-17, {1, 0}, 0.0);
  ExpectScaled(I(1), 123456789012345.55, {1, 123456789012346u}, 0.0);
  ExpectScaled(I(1), 123456789012345.45, {1, 123456789012345u}, 0.453125);
  const u128 big = u128{3378405209947483780u} * 1000 + 723;
  ExpectScaled(I(big), 0.9611952542719925, {1, u128{3247307054809295651u} * 1000 + 784},
               0.8488991608319338);
  EXPECT_TRUE(Matches(I(10) / UniversalReal(-4.0), {-1, 2}));
  EXPECT_EQ(UniversalInteger::Get_Remainder().UniversalRealToDouble(), 0.5);
}

TEST(IntegerTimesReal, OverflowNaNAndInfinityAreReportedNotWrapped) {
  const UniversalInteger sentinel = ToRecord({-1, 12345});
  Scaled scaled = Scale(I(kMax96), 1.5);
  EXPECT_EQ(scaled.status, UTypes_Overflow);
  EXPECT_TRUE(scaled.product == sentinel && scaled.remainder == -1.0);
  EXPECT_EQ(UniversalInteger::Get_Remainder().UniversalRealToDouble(), 0.5);
  EXPECT_EQ(Scale(I(u128{1} << 95), 2.0).status, UTypes_Overflow);
  EXPECT_EQ(Scale(I(1), kInf).status, UTypes_Overflow);
  EXPECT_EQ(Scale(I(1), std::ldexp(1.0, 96)).status, UTypes_Overflow);
  EXPECT_EQ(Scale(I(1), kNaN).status, UTypes_Error);
  EXPECT_EQ(Scale(I(0), kInf).status, UTypes_Error);
  ExpectScaled(I(0), 1e300, {1, 0}, 0.0);
  UniversalInteger quotient = sentinel;
  EXPECT_EQ(UniversalIntegerDividedByDouble(&sentinel, 0.0, &quotient), UTypes_Overflow);
  EXPECT_TRUE(quotient == sentinel);
  EXPECT_EQ(UniversalIntegerDividedByDouble(&sentinel, 4.0, &quotient), UTypes_OK);
  EXPECT_TRUE(Matches(quotient, {-1, 3086}));
}

// Dyadic factors j / 2^16 make every step of the digit-by-digit product
// exact, so the product and remainder must be exact too.
TEST(IntegerTimesReal, ExactForDyadicFactors) {
  std::mt19937_64 random(kSeed);
  for (long trial = 0; trial < ScaledCount(200000); ++trial) {
    const int count = static_cast<int>(random() % 7);
    const u128 magnitude = count == 0 ? 0 : (u128{random()} << 64 | random()) >> (128 - 16 * count);
    const std::uint64_t numerator = random() % (1u << 24);
    const double factor = std::ldexp(static_cast<double>(numerator), -16) * (random() % 2 ? 1 : -1);
    const u128 exact = magnitude * numerator;  // < 2^120
    const u128 whole = exact >> 16;
    const Scaled scaled = Scale(I(magnitude), factor);
    if (whole > kMax96) {
      ASSERT_EQ(scaled.status, UTypes_Overflow) << "seed " << kSeed << " trial " << trial;
      continue;
    }
    const double remainder = std::ldexp(static_cast<double>(exact & 0xFFFF), -16);
    ASSERT_EQ(scaled.status, UTypes_OK);
    ASSERT_TRUE(Matches(scaled.product, Normalised(factor < 0 ? -1 : 1, whole)))
        << "seed " << kSeed << " trial " << trial;
    ASSERT_EQ(scaled.remainder, remainder) << "seed " << kSeed << " trial " << trial;
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
    const int shift = 53 - exponent;  // factor = mantissa / 2^shift, shift >= 51
    const u128 exact = magnitude * mantissa;
    const Scaled scaled = Scale(I(magnitude), factor);
    ASSERT_EQ(scaled.status, UTypes_OK);
    Fields fields = FieldsOf(scaled.product);
    const u128 product = u128{fields.words[2]} << 64 | u128{fields.words[1]} << 32 | fields.words[0];
    const long double got = static_cast<long double>(product) + scaled.remainder;
    const long double want = std::ldexp(static_cast<long double>(exact), -shift);
    EXPECT_LE(std::fabs(got - want), std::max(2.0L, want * 0x1p-48L))
        << "seed " << kSeed << " trial " << trial;
  }
}

}  // namespace
