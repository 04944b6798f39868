// UniversalTime against exact arithmetic (times of ticks + j/2^20 fs held as
// 128-bit counts of 2^-40 fs, room for products by j/2^16), canonical results,
// then what random times miss: construction, seconds, analog flag, NaN, overflow.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "support/int128_model.h"
#include "support/record_source.h"
#include "support/test_scale.h"
#include "support/time_operations.h"
#include "universaltypes/universal_time.h"

namespace {

constexpr std::uint64_t kSeed = 1415;
constexpr int kFractionBits = 40;  // of the exact values
constexpr int kOffsetBits = 20;    // of the random offsets
const double kNaN = std::numeric_limits<double>::quiet_NaN();

UniversalTime Time(i128 ticks, double offset = 0.0) { return UniversalTime(ToRecord(ModelFrom(ticks)), offset); }

i128 TicksOf(const UniversalTime& time) {
  const Fields fields = FieldsOf(time.UniversalToPhysicalTime());
  return ValueOf({fields.sign, MagnitudeOf(fields)});
}

double OffsetOf(const UniversalTime& time) { return time.Get_OffsetTime().UniversalRealToDouble(); }

// The exact value in units of 2^-40 fs; the offset must be such a multiple in [0, 1).
i128 Scaled(const UniversalTime& time) {
  const double offset = std::ldexp(OffsetOf(time), kFractionBits);
  EXPECT_EQ(offset, std::floor(offset)) << "offset not a multiple of 2^-40";
  EXPECT_TRUE(OffsetOf(time) >= 0.0 && OffsetOf(time) < 1.0) << "offset " << OffsetOf(time) << " not normalised";
  return TicksOf(time) * (i128{1} << kFractionBits) + static_cast<i128>(offset);
}

void ExpectTime(const UniversalTime& time, i128 ticks, double offset) {
  EXPECT_EQ(static_cast<long long>(TicksOf(time)), static_cast<long long>(ticks));
  EXPECT_EQ(OffsetOf(time), offset);
}

class AnalogFlag : public ::testing::Test {
 protected:
  void TearDown() override { UniversalTime::Set_AnalogExists(true); }
};

TEST_F(AnalogFlag, ScalingAndAdditionAgreeWithExactArithmetic) {
  std::mt19937_64 random(kSeed);
  const auto someTime = [&] {
    const i128 ticks = static_cast<i128>(random() >> (24 + random() % 40)) * (random() % 2 ? 1 : -1);
    return Time(ticks, std::ldexp(static_cast<double>(random() % (1u << kOffsetBits)), -kOffsetBits));
  };
  for (long trial = 0; trial < ScaledCount(100000); ++trial) {
    SCOPED_TRACE("seed " + std::to_string(kSeed) + " trial " + std::to_string(trial));
    const UniversalTime a = someTime(), b = someTime();
    const i128 va = Scaled(a), vb = Scaled(b);
    const int n = static_cast<int>(random() % 2001) - 1000;
    const int power = static_cast<int>(random() % 12);
    const int numerator = static_cast<int>(random() % 65536) * (n < 0 ? -1 : 1);
    ASSERT_EQ(Scaled(a + b), va + vb);
    ASSERT_EQ(Scaled(a - b), va - vb);
    ASSERT_EQ(Scaled(a + b.UniversalToPhysicalTime()), va + (vb >> kFractionBits << kFractionBits));
    ASSERT_EQ(Scaled(a * n), va * n);
    ASSERT_EQ(Scaled(a * std::ldexp(numerator, -16)), va * numerator / 65536);  // va is a multiple of 2^20
    ASSERT_EQ(Scaled(a / std::ldexp(1.0, power)), va >> power);
    ASSERT_EQ(Scaled(a / UniversalInteger(1 << power)), va >> power);
    if (n != 0) {
      // Ticks + offset is the exact quotient within the offset's rounding.
      const i128 denominator = static_cast<i128>(n) << kFractionBits;
      i128 floor = va / denominator;
      if ((va % denominator != 0) && ((va < 0) != (denominator < 0))) floor = floor - 1;
      const long double fraction =
          static_cast<long double>(va - floor * denominator) / static_cast<long double>(denominator);
      const UniversalTime quotient = a / n;
      const long double error =
          static_cast<long double>(TicksOf(quotient) - floor) + (OffsetOf(quotient) - fraction);
      ASSERT_NEAR(static_cast<double>(error), 0.0, 1e-12);
      ASSERT_TRUE(OffsetOf(quotient) >= 0.0 && OffsetOf(quotient) < 1.0);
    }
    ASSERT_EQ((std::array{a < b, a == b, a >= b}), (std::array{va < vb, va == vb, va >= vb}));
    UniversalTime::Set_AnalogExists(false);
    const i128 ta = TicksOf(a), tb = TicksOf(b);
    ASSERT_EQ((std::array{a < b, a == b, a > b}), (std::array{ta < tb, ta == tb, ta > tb}));
    // Without analog time, sums keep the left offset and ignore the right one.
    ASSERT_EQ(Scaled(a + b), va + tb * (i128{1} << kFractionBits));
    ASSERT_EQ(Scaled(a - b.UniversalToPhysicalTime()), va - tb * (i128{1} << kFractionBits));
    UniversalTime::Set_AnalogExists(true);
  }
}

// Random records, signed zeros and -0.0 offsets, either analog setting: sign
// +1 or -1, the words' own digit count, zero as +0, and no -0.0 offset.
TEST_F(AnalogFlag, EveryTimeOperationGivesACanonicalRecord) {
  constexpr std::uint64_t kCanonicalSeed = 0xCA201CA1;
  RecordSource source(kCanonicalSeed);
  for (long index = 0; index < ScaledCount(20000); ++index) {
    UniversalTime::Set_AnalogExists(source.Below(2) == 0);
    const UniversalTime left = source.Time(true), right = source.Time(true);
    const TimeOperands o{left, right, source.Integer(true), UniversalReal(source.Real() * 1e-12), source.Int(),
                         source.Real()};
    for (const TimeOperation& operation : kTimeOperations) {
      UniversalTime result;
      if (operation.call(o, &result) != UTypes_OK) continue;
      const double offset = OffsetOf(result);
      ASSERT_TRUE(IsCanonical(result.UniversalToPhysicalTime()) && !(offset == 0.0 && std::signbit(offset)))
          << operation.name << " of " << index << ": " << o.factor << ", " << o.real << ", " << TimeText(left)
          << ", " << TimeText(right) << ", " << RecordText(o.ticks) << " gave " << TimeText(result) << ", seed "
          << kCanonicalSeed;
    }
  }
}

TEST(TimeConstruction, ArraysBuffersSecondsAndTheOffsetNormalisation) {
  EXPECT_TRUE(UniversalTime(static_cast<UniversalTime::UniversalTimeChoice>(5)) == UniversalTime());
  unsigned char buffer[48];
  int position = 0;
  UniversalTime::Get_TheConstantTickHigh().CopyMemory(buffer, position);
  Time(5, 0.25).CopyMemory(buffer, position);
  EXPECT_EQ(position, 48);
  UniversalTime copied;
  std::memcpy(&copied, buffer + 24, sizeof copied);
  ExpectTime(copied, 5, 0.25);
  ExpectTime(Time(10, -0.25), 9, 0.75);
  ExpectTime(Time(10, 2.5), 12, 0.5);
  ExpectTime(Time(10, -2.0), 8, 0.0);
  EXPECT_TRUE(std::isnan(OffsetOf(Time(10, kNaN))));
  EXPECT_THROW(UniversalTime(UniversalTime::Get_TheConstantTickLow().UniversalToPhysicalTime(), -0.5),
               UTypes_StatusCodeException);
  EXPECT_THROW(Time(0, std::ldexp(1.0, 97)), UTypes_StatusCodeException);
  // A negative real divisor: the offset stays in [0, 1), and a zero one is +0.
  ExpectTime(Time(10) / -4.0, -3, 0.5);
  EXPECT_FALSE(std::signbit(OffsetOf(Time(3) / -0.5)));
  // From seconds and back, symmetric in sign.
  ExpectTime(UniversalTime(UniversalReal(-1.5e-15)), -2, 0.5);
  ExpectTime(UniversalTime(UniversalReal(-1e-32)), -1, 1.0);  // only the borrow applies
  ExpectTime(UniversalTime(UniversalReal(1000.5)), 1000500000000000000, 0.0);
  ExpectTime(UniversalTime(UniversalReal(1e-9)), 1000000, std::ldexp(1.0, -33));
  // The one-ulp correction acts on the magnitude.
  ExpectTime(UniversalTime(UniversalReal(3.8019640022465833)), 3801964002246584, 0.0);
  ExpectTime(UniversalTime(UniversalReal(-3.8019640022465833)), -3801964002246584, 0.0);
  std::mt19937_64 random(kSeed);
  for (int trial = 0; trial < 20000; ++trial) {
    const double r =
        std::ldexp(std::uniform_real_distribution<double>(0.5, 1)(random), -static_cast<int>(random() % 60));
    const UniversalTime plus{UniversalReal(r)}, minus{UniversalReal(-r)};
    const bool whole = OffsetOf(plus) == 0.0;
    ASSERT_EQ(TicksOf(minus), -TicksOf(plus) - (whole ? 0 : 1)) << "seed " << kSeed << " r " << r;
    ASSERT_EQ(OffsetOf(minus), whole ? 0.0 : 1.0 - OffsetOf(plus)) << "seed " << kSeed << " r " << r;
    const UniversalTime ticksOnly{plus.UniversalToPhysicalTime()};
    ASSERT_EQ(UniversalTime(ticksOnly * -1).UniversalToRealTime().UniversalRealToDouble(),
              -ticksOnly.UniversalToRealTime().UniversalRealToDouble());
  }
  EXPECT_THROW(UniversalTime(UniversalReal(kNaN)), UTypes_StatusCodeException);
  EXPECT_THROW(UniversalTime(UniversalReal(1e14)), UTypes_StatusCodeException);
}

TEST_F(AnalogFlag, DecidesOffsetsInSumsComparisonsAndSeconds) {
  ExpectTime(Time(5) - Time(0, 1e-17), 4, 1.0);  // the offset rounds to 1.0 and stays
  EXPECT_EQ(Time(1, 0.5).UniversalToRealTime().UniversalRealToDouble(), 1.5e-15);
  EXPECT_TRUE(Time(5, 0.5) > UniversalInteger(5));
  const UniversalTime nan = Time(5, kNaN);
  EXPECT_FALSE(nan == nan || nan < nan || nan > nan);
  EXPECT_TRUE(nan != nan && nan <= nan && nan >= nan);
  ExpectTime(Time(0) - 1e-15, -1, 0.0);
  ExpectTime(Time(0) - UniversalReal(1.5e-15), -2, 0.5);
  ExpectTime(Time(0) - (-1.0), 1000000000000000, 0.0);
  EXPECT_THROW(Time(0) - 1e300, UTypes_StatusCodeException);
  // Adding seconds through the flat function writes the left operand too.
  UniversalTime left = Time(1), result;
  const UniversalReal femtosecond(1e-15);
  ASSERT_EQ(UniversalTimePlusUniversalReal(&left, &femtosecond, &result), UTypes_OK);
  ExpectTime(result, 2, 0.0);
  ExpectTime(left, 2, 0.0);
  UniversalTime::Set_AnalogExists(false);
  EXPECT_EQ(Time(1, 0.5).UniversalToRealTime().UniversalRealToDouble(), 1e-15);
  EXPECT_TRUE(Time(5, 0.5) == UniversalInteger(5));
}

TEST(TimeOverflow, LeavesTheDocumentedStates) {
  const UniversalTime high = UniversalTime::Get_TheConstantTickHigh();
  UniversalTime result = Time(42);
  EXPECT_EQ(UniversalTimePlusUniversalTime(&high, &high, &result), UTypes_Overflow);
  ExpectTime(result, 42, 0.0);
  // The carry overflows after the ticks and the combined offset are stored.
  UniversalTime nearlyHigh(high.UniversalToPhysicalTime(), UniversalReal(0.5));
  EXPECT_THROW(nearlyHigh += Time(0, 0.5), UTypes_StatusCodeException);
  EXPECT_TRUE(nearlyHigh.UniversalToPhysicalTime() == high.UniversalToPhysicalTime());
  EXPECT_EQ(OffsetOf(nearlyHigh), 1.0);
  // Ticks times an int wrap like integer products...
  EXPECT_TRUE((high * 2).UniversalToPhysicalTime() == UniversalInteger(IntegerHighChoice) * 2);
  EXPECT_THROW(high * 2.0, UTypes_StatusCodeException);  // ...real products do not
}

}  // namespace
