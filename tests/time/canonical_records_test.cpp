// Properties over random records, both analog settings, both signs, zero
// magnitudes with either sign and offsets of 0.0 and -0.0 on input: every
// flat operation that gives a time gives a canonical record (ticks with sign
// +1 or -1, the words' own digit count, zero as +0; no -0.0 offset), and in
// every unit the image of a negative time is "-" and the image of its
// negation, while a time that is zero or more never prints a minus. (The
// integer results are the integer differential's, which holds every field.)
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "support/record_source.h"
#include "support/test_scale.h"
#include "universaltypes/time_text.h"

namespace {

constexpr std::uint64_t kSeed = 0xCA201CA1;
constexpr long kCases = 20000;

bool IsCanonical(const UniversalTime& time) {
  const double offset = time.Get_OffsetTime();
  return IsCanonical(time.UniversalToPhysicalTime()) && !(offset == 0.0 && std::signbit(offset));
}

std::string Text(const UniversalTime& time) {
  char text[96];
  std::snprintf(text, sizeof text, "%s offset %a", RecordText(time.UniversalToPhysicalTime()).c_str(),
                static_cast<double>(time.Get_OffsetTime()));
  return text;
}

template <typename Call>
void ExpectCanonical(const char* name, Call call, const std::string& operands) {
  UniversalTime result;
  if (call(&result) == UTypes_OK) {
    EXPECT_TRUE(IsCanonical(result)) << name << " of " << operands << " gave " << Text(result) << ", seed " << kSeed;
  }
}

TEST(CanonicalRecords, EveryTimeOperationGivesOne) {
  RecordSource source(kSeed);
  for (long index = 0; index < ScaledCount(kCases); ++index) {
    UniversalTime::Set_AnalogExists(source.Below(2) == 0);
    const UniversalTime left = source.Time(true), right = source.Time(true);
    const UniversalInteger ticks = source.Integer(true);
    const UniversalReal seconds(source.Real() * 1e-12);
    const int factor = source.Int();
    const double real = source.Real();
    const std::string operands = std::to_string(index) + ": " + std::to_string(factor) + ", " +
                                 std::to_string(real) + ", " + Text(left) + ", " + Text(right) + ", " + Text(ticks);
    auto time = [&](const char* name, auto call) { ExpectCanonical(name, call, operands); };
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
    if (HasFailure()) break;
  }
  UniversalTime::Set_AnalogExists(true);
}

// An image of 2^96 - 1 fs and a fraction that rounds up has no digits: it
// throws overflow.
std::string Image(const UniversalTime& time, int unit) {
  UTypes_StatusCode status = UTypes_Error;
  try {
    if (unit == 8) return static_cast<const char*>(time);
    return TimeTickValueToString(time, static_cast<TimeUnit>(unit), status);
  } catch (const UTypes_StatusCodeException& exception) {
    return "throws " + std::to_string(exception.Get_StatusCode());
  }
}

TEST(CanonicalRecords, ANegativeTimesImageIsAMinusAndItsNegations) {
  RecordSource source(kSeed + 1);
  for (long index = 0; index < ScaledCount(kCases); ++index) {
    UniversalTime::Set_AnalogExists(source.Below(2) == 0);
    const UniversalTime time = source.Time(true);
    const Fields ticks = FieldsOf(time.UniversalToPhysicalTime());
    UniversalTime negation;
    // Only 2^96 - 1 fs and a fraction has no negation.
    const bool negated = UniversalTimeTimesInt(&time, -1, &negation) == UTypes_OK;
    for (int unit = 0; unit <= 8; ++unit) {  // 8: the unit the size picks
      const std::string image = Image(time, unit);
      if (ticks.sign < 0 && ticks.count != 0) {
        ASSERT_TRUE(negated) << Text(time);
        std::string minus = "-";  // appended: a prefix + string trips g++'s -Wrestrict at -O3
        EXPECT_EQ(image, minus.append(Image(negation, unit))) << index << ": " << Text(time) << ", unit " << unit;
      } else {
        EXPECT_NE(image[0], '-') << image << ", " << index << ": " << Text(time) << ", unit " << unit;
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
