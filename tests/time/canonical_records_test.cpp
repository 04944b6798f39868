// Properties over random records, both analog settings, both signs, zero
// magnitudes with either sign (in times) and offsets of 0.0 and -0.0 on
// input: every
// flat operation that gives a time or an integer gives a canonical record
// (sign +1 or -1, the words' own digit count, zero as +0, no -0.0 offset;
// only an integer product may be a zero with the product of the signs),
// and in every unit the image of a negative time is "-" and the image of
// its negation, while a time that is zero or more never prints a minus.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <initializer_list>
#include <random>
#include <string>

#include "support/int128_model.h"
#include "support/test_scale.h"
#include "universaltypes/time_text.h"

namespace {

constexpr std::uint64_t kSeed = 0xCA201CA1;
constexpr long kCases = 20000;

bool IsCanonical(const UniversalTime& time) {
  const double offset = time.Get_OffsetTime();
  return IsCanonical(time.UniversalToPhysicalTime()) && !(offset == 0.0 && std::signbit(offset));
}

// Appends only: g++ 12 at -O3 reports a false -Wrestrict overlap inside the
// std::string::insert that a prefix "..." + string uses.
std::string Join(std::initializer_list<std::string> parts) {
  std::string text;
  for (const std::string& part : parts) text.append(part);
  return text;
}

std::string Text(const UniversalTime& time) {
  char hex[64];
  time.ToHexString(hex);
  return hex;
}

std::string Text(const UniversalInteger& integer) {
  char hex[32];
  integer.ToHexString(hex);
  return Join({hex, " (sign ", std::to_string(FieldsOf(integer).sign), ")"});
}

class Source {
 public:
  explicit Source(std::uint64_t seed) : random_(seed) {}

  // A zero of either sign when signedZeros, else zero as +0.
  UniversalInteger Integer(bool signedZeros = true) {
    const int sign = Below(2) ? -1 : 1;
    const u128 magnitude = Magnitude();
    if (magnitude == 0 && signedZeros) return RawRecord(sign, 0, 0);
    return I(magnitude, sign);
  }
  double Offset() {
    switch (Below(5)) {
      case 0: return 0.0;
      case 1: return -0.0;
      case 2: return 0.5;
      default: return std::ldexp(static_cast<double>(random_() >> 11), -53);
    }
  }
  UniversalTime Time() {
    const UniversalInteger ticks = Integer();
    return TimeRecord(ticks, Offset());
  }
  int Int() {
    static constexpr int kInts[] = {0, 1, -1, 2, -2, 3, -3, 1000, -1000, 7, 60};
    return Below(3) ? kInts[Below(11)] : static_cast<int>(random_());
  }
  double Real() {
    static constexpr double kReals[] = {0.5, -0.5, 2.0, -2.0, 1.0, -1.0, 0.25, -4.0, 1e-3, -1e3, 0.0, -0.0};
    if (Below(3)) return kReals[Below(12)];
    return std::ldexp(static_cast<double>(random_() >> 11), -53 + Below(20)) * (Below(2) ? -1 : 1);
  }
  int Below(int bound) { return static_cast<int>(random_() % static_cast<std::uint64_t>(bound)); }

 private:
  u128 Magnitude() {
    switch (Below(4)) {
      case 0: return 0;
      case 1: return Below(2000);
      case 2: return (static_cast<u128>(random_()) << 64 | random_()) >> (32 + Below(96));
      default: return static_cast<u128>(random_()) >> Below(64);
    }
  }
  std::mt19937_64 random_;
};

// An integer product keeps the product of the signs even where its
// magnitude is zero (a wrap, or a negative zero factor): hosts rely on it.
bool IsSignedZero(const UniversalTime&) { return false; }
bool IsSignedZero(const UniversalInteger& integer) {
  const Fields fields = FieldsOf(integer);
  return fields.sign == -1 && fields.count == 0 && MagnitudeOf(fields) == 0;
}

template <typename Record, typename Call>
void ExpectCanonical(const char* name, Call call, const std::string& operands, bool product = false) {
  Record result;
  if (call(&result) == UTypes_OK) {
    EXPECT_TRUE(IsCanonical(result) || (product && IsSignedZero(result))) << name << " of " << operands << " gave " << Text(result)
                                     << ", seed " << kSeed;
  }
}

TEST(CanonicalRecords, EveryTimeAndIntegerOperationGivesOne) {
  Source source(kSeed);
  for (long index = 0; index < ScaledCount(kCases); ++index) {
    UniversalTime::Set_AnalogExists(source.Below(2) == 0);
    const UniversalTime left = source.Time(), right = source.Time();
    const UniversalInteger ticks = source.Integer();
    // Integer arithmetic keeps a negative zero operand's sign where the
    // other operand is zero: its own operands are canonical here.
    const UniversalInteger first = source.Integer(false), second = source.Integer(false);
    const UniversalReal seconds(source.Real() * 1e-12);
    const int factor = source.Int();
    const double real = source.Real();
    const std::string times = Join({"case ", std::to_string(index), ": ", Text(left), ", ", Text(right), ", ",
                                    Text(ticks), ", ", std::to_string(factor), ", ", std::to_string(real)});
    const std::string integers = Join({"case ", std::to_string(index), ": ", Text(first), ", ", Text(second), ", ",
                                       std::to_string(factor)});
    auto time = [&](const char* name, auto call) { ExpectCanonical<UniversalTime>(name, call, times); };
    time("+ time", [&](UniversalTime* out) { return UniversalTimePlusUniversalTime(&left, &right, out); });
    time("- time", [&](UniversalTime* out) { return UniversalTimeMinusUniversalTime(&left, &right, out); });
    time("+ ticks", [&](UniversalTime* out) { return UniversalTimePlusUniversalInteger(&left, &ticks, out); });
    time("- ticks", [&](UniversalTime* out) { return UniversalTimeMinusUniversalInteger(&left, &ticks, out); });
    time("+ seconds", [&](UniversalTime* out) {
      UniversalTime copy = left;
      return UniversalTimePlusUniversalReal(&copy, &seconds, out);
    });
    time("- seconds", [&](UniversalTime* out) { return UniversalTimeMinusUniversalReal(&left, &seconds, out); });
    time("* int", [&](UniversalTime* out) { return UniversalTimeTimesInt(&left, factor, out); });
    time("* double", [&](UniversalTime* out) { return UniversalTimeTimesDouble(&left, real, out); });
    time("/ int", [&](UniversalTime* out) { return UniversalTimeDividedByInt(&left, factor, out); });
    time("/ double", [&](UniversalTime* out) { return UniversalTimeDividedByDouble(&left, real, out); });
    time("/ integer", [&](UniversalTime* out) { return UniversalTimeDividedByUniversalInteger(&left, &ticks, out); });
    auto integer = [&](const char* name, auto call) {
      ExpectCanonical<UniversalInteger>(name, call, integers, name[0] == '*');
    };
    integer("+", [&](UniversalInteger* out) { return UniversalIntegerPlusUniversalInteger(&first, &second, out); });
    integer("-", [&](UniversalInteger* out) { return UniversalIntegerMinusUniversalInteger(&first, &second, out); });
    integer("*", [&](UniversalInteger* out) { return UniversalIntegerTimesUniversalInteger(&first, &second, out); });
    integer("* int", [&](UniversalInteger* out) { return UniversalIntegerTimesInt(&first, factor, out); });
    integer("/", [&](UniversalInteger* out) { return UniversalIntegerDividedByUniversalInteger(&first, &second, out); });
    integer("/ int", [&](UniversalInteger* out) { return UniversalIntegerDividedByInt(&first, factor, out); });
    integer("rem", [&](UniversalInteger* out) { return UniversalIntegerRemUniversalInteger(&first, &second, out); });
    integer("mod", [&](UniversalInteger* out) { return UniversalIntegerModUniversalInteger(&first, &second, out); });
    if (HasFailure()) break;
  }
  UniversalTime::Set_AnalogExists(true);
}

std::string Image(const UniversalTime& time, int unit) {
  if (unit == 8) return static_cast<const char*>(time);
  UTypes_StatusCode status = UTypes_Error;
  return TimeTickValueToString(time, static_cast<TimeUnit>(unit), status);
}

TEST(CanonicalRecords, ANegativeTimesImageIsAMinusAndItsNegations) {
  Source source(kSeed + 1);
  for (long index = 0; index < ScaledCount(kCases); ++index) {
    UniversalTime::Set_AnalogExists(source.Below(2) == 0);
    const UniversalTime time = source.Time();
    const UniversalInteger& ticks = time.UniversalToPhysicalTime();
    const bool negative = FieldsOf(ticks).sign < 0 && FieldsOf(ticks).count != 0;
    UniversalTime negation;
    ASSERT_EQ(UniversalTimeTimesInt(&time, -1, &negation), UTypes_OK);
    for (int unit = 0; unit <= 8; ++unit) {  // 8: the unit the size picks
      const std::string image = Image(time, unit);
      const std::string context = Join({"case ", std::to_string(index), ": ", Text(time), ", unit ",
                                        std::to_string(unit), ", seed ", std::to_string(kSeed + 1)});
      if (negative) {
        EXPECT_EQ(image, Join({"-", Image(negation, unit)})) << context;
      } else {
        EXPECT_NE(image[0], '-') << image << ", " << context;
      }
    }
    if (HasFailure()) break;
  }
  UniversalTime::Set_AnalogExists(true);
}

// A negative zero's image, through the array form, and the zero offset a
// negative real divisor leaves: both +0. (Negative zeros with an offset, and
// negative times whose offset rounds away, are the exact image route's.)
TEST(CanonicalRecords, NegativeZeroImagesAndZeroOffsetsArePositive) {
  int negativeZero[5] = {-1, 0, 0, 0, 0};
  UTypes_StatusCode status = UTypes_Error;
  EXPECT_STREQ(TimeTickValueToString_CF(negativeZero, TimeUnit_fs, status), "0 fs");
  UniversalTime quotient;
  const UniversalTime three(3);
  ASSERT_EQ(UniversalTimeDividedByDouble(&three, -0.5, &quotient), UTypes_OK);
  EXPECT_TRUE(quotient.UniversalToPhysicalTime() == UniversalInteger(-6));
  EXPECT_FALSE(std::signbit(static_cast<double>(quotient.Get_OffsetTime())));
}

}  // namespace
