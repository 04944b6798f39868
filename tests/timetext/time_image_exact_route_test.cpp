// The time images against the division route they stand in for: |ticks| divided by the unit's
// femtoseconds, the remainder and offset a double fraction of the unit, printed by PrintToBuffer.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "support/record_source.h"
#include "support/test_scale.h"
#include "universaltypes/time_text.h"

namespace {

constexpr std::uint64_t kSeed = 0x5EC0DE5;
constexpr int kUnitCount = 8;
constexpr int kSec = 5;
// Not a unit: the image in the unit the time's size picks.
constexpr int kAutomatic = kUnitCount;

constexpr u128 kFemtoseconds[kUnitCount] = {
    1, 1000, 1000000, 1000000000, 1000000000000, 1000000000000000, 60000000000000000, 3600000000000000000};
constexpr const char* kUnitNames[kUnitCount] = {"fs", "ps", "ns", "us", "ms", "sec", "min", "hr"};

struct Case {
  int sign;
  u128 magnitude;
  double offset;
  int unit;  // 0..7 or kAutomatic
};

std::string Describe(const Case& c) {
  char offset[40];
  std::snprintf(offset, sizeof offset, "%a", c.offset);
  return ToString(Normalised(c.sign, c.magnitude)) + " fs, offset " + offset + ", unit " +
         (c.unit == kAutomatic ? std::string("automatic") : kUnitNames[c.unit]);
}

// A zero of sign -1 is kept: wrapped products leave such records.
UniversalTime TimeOf(const Case& c) {
  return TimeRecord(c.magnitude == 0 && c.sign < 0 ? RawRecord(-1, 0, 0) : I(c.magnitude, c.sign), c.offset);
}

// The unit the size picks, by the library's time order: the largest of fs to sec not above |time|.
int UnitBySize(const UniversalTime& time) {
  const UniversalTime zero;
  const UniversalTime magnitude = time < zero ? time * -1 : time;
  for (int unit = 1; unit <= kSec; ++unit) {
    if (magnitude < UniversalTime(I(kFemtoseconds[unit]))) return unit - 1;
  }
  return kSec;
}

constexpr const char* kThrown = "<throws UTypes_StatusCodeException>";  // a carry past 2^96 - 1 units

template <typename Print>
std::string ImageOrThrown(Print print) {
  try {
    return print();
  } catch (const UTypes_StatusCodeException&) {
    return kThrown;
  }
}

// A negative time (a zero of either sign is not one) is printed as "-" and
// the image of its negation, normalised as the library normalises it: an
// offset above zero borrows a tick and leaves 1 - offset, which rounds to
// 1.0 and carries back when the offset is below 2^-54. The sign says which.
Case Shown(const Case& c) {
  const bool negative = c.sign < 0 && c.magnitude != 0 &&
                        (std::isnan(c.offset) || -static_cast<double>(c.magnitude) + c.offset < 0.0);
  if (!negative || !(c.offset > 0.0)) return {negative ? -1 : 1, c.magnitude, negative ? -c.offset : c.offset, c.unit};
  const double left = 1.0 + -c.offset;
  return left >= 1.0 ? Case{-1, c.magnitude, left - 1.0, c.unit} : Case{-1, c.magnitude - 1, left, c.unit};
}

std::string DivisionRouteImage(const Case& c, int unit) {
  const Case shown = Shown(c);
  const u128 size = kFemtoseconds[unit];
  i128 quotient = static_cast<i128>(shown.magnitude / size);
  // Converted as the division route converts it, by the library's own
  // integer-to-real conversion: min and hr remainders pass 2^53, where it rounds.
  const double remainder = static_cast<double>(UniversalReal(I(shown.magnitude % size)));
  double fraction = (remainder + shown.offset) / static_cast<double>(size);
  if (!std::isnan(fraction) && (fraction < 0.0 || fraction >= 1.0)) {
    const double whole = std::floor(fraction);
    quotient = quotient + static_cast<i128>(whole);
    fraction -= whole;
  }
  if (quotient > static_cast<i128>(kMax96)) return kThrown;
  const UniversalInteger integerPart =
      I(static_cast<u128>(quotient < 0 ? -quotient : quotient), quotient < 0 ? -1 : 1);
  char text[128];
  integerPart.PrintToBuffer(text, fraction, unit >= kSec ? 15 : 12);
  return std::string(shown.sign < 0 ? "-" : "").append(text).append(" ").append(kUnitNames[unit]);
}

std::string ExpectedImage(const Case& c) {
  const int unit = c.unit == kAutomatic ? UnitBySize(TimeOf(c)) : c.unit;
  return ImageOrThrown([&] { return DivisionRouteImage(c, unit); });
}

std::string LibraryImage(const UniversalTime& time, int unit) {
  return ImageOrThrown([&]() -> std::string {
    if (unit == kAutomatic) return static_cast<const char*>(time);
    UTypes_StatusCode status = UTypes_Error;
    const std::string image = TimeTickValueToString(time, static_cast<TimeUnit>(unit), status);
    EXPECT_EQ(status, UTypes_OK);
    return image;
  });
}

// Random times, biased toward the edges of the layout.
class CaseSource : RecordSource {
 public:
  explicit CaseSource(std::uint64_t seed) : RecordSource(seed) {}

  Case Next() {
    Case c;
    c.unit = Below(kUnitCount + 1);
    c.sign = Below(2) ? -1 : 1;
    c.magnitude = Magnitude(c.unit == kAutomatic ? Below(kSec + 1) : c.unit) & kMax96;
    c.offset = Offset();
    return c;
  }

 private:
  // One draw a statement, so that a seed's cases do not hang on the order operands are evaluated in.
  u128 Between(int low, int high) { return static_cast<u128>(low + Below(high - low + 1)); }
  u128 Bits(int count) {
    const u128 high = RecordSource::Bits();
    const u128 bits = high << 64 | RecordSource::Bits();
    return count == 0 ? 0 : bits >> (128 - count);
  }
  // A number of 1 to 6 digits with up to `zeros` trailing zeros.
  u128 Digits(int zeros) {
    const u128 digits = Between(1, 999999);
    return digits * PowerOfTen(Below(zeros + 1));
  }

  u128 Magnitude(int unit) {
    const u128 size = PowerOfTen(3 * unit);
    switch (Below(9)) {
      case 0: return Bits(Below(97));  // any width
      case 1: return Digits(10) * size;  // a whole number of units, around the seven zeros that compact
      case 2: {  // a remainder with trailing zeros, under a quotient or none
        const u128 step = PowerOfTen(Below(3 * unit + 1));
        const u128 quotient = Below(2) ? Digits(3) : 0;
        return quotient * size + Bits(Below(64)) % size / step * step;
      }
      case 3: {  // 10^k times a digit, and its neighbours
        const u128 power = PowerOfTen(Below(29));
        const u128 multiple = power * Between(1, 9);
        return multiple + Between(0, 2) - 1;
      }
      case 4: {  // around 2^32, 2^37, 2^48, 2^53, 2^64, 2^69 and 2^96
        const int exponent = Below(4) == 0 ? 96 : 32 + 16 * Below(3);
        const u128 power = u128{1} << (exponent == 96 ? 96 : exponent + 5 * Below(2));
        return power + Between(0, 4) - 2;
      }
      case 5: return Bits(Below(51)) % size;  // less than one unit: the fraction alone
      case 6: return kMax96 - Bits(Below(40));  // the top of the range
      case 7: {  // a top word at or just past a multiple of 10^8: little or no rest to carry down
        const u128 multiple = Between(0, 42) * 100000000u;
        const u128 top = multiple + Between(0, 2);
        return top << 64 | Bits(64);
      }
      default: {  // up to 999 units and part of the next smaller one (the bench's kind), or 1 or 2 short of a unit
        const u128 whole = Between(0, 999) * size;
        const u128 rest = Below(2) == 0 ? Between(0, 999) * (size / 1000) : size - Between(1, 2);
        return whole + rest;
      }
    }
  }

  // Zero half the time.
  double Offset() {
    if (Below(12) == 0) return std::ldexp(static_cast<double>(RecordSource::Bits() >> 11), -53);
    return Pick({0.0, 0.0, 0.0, 0.0, 0.0, 0.0, -0.0, std::numeric_limits<double>::denorm_min(), 0.5,
                 std::nextafter(1.0, 0.0), std::numeric_limits<double>::quiet_NaN()});
  }
};

// Random times (negative zeros among them), then every tick count in a band around each power of
// ten in every unit: all remainders' zero padding and trimming, and the fraction alone on both
// sides of %g's switch to scientific form. Last, malformed records, pinned to the route's texts.
TEST(TimeImageExactRoute, MatchesTheDivisionRoute) {
  CaseSource source(kSeed);
  for (long index = 0; index < ScaledCount(500000); ++index) {
    const Case c = source.Next();
    ASSERT_EQ(LibraryImage(TimeOf(c), c.unit), ExpectedImage(c))
        << "seed " << kSeed << ", case " << index << ": " << Describe(c);
  }
  for (int exponent = 0; exponent <= 28; ++exponent) {
    const u128 power = PowerOfTen(exponent);
    for (u128 magnitude = power > 20 ? power - 20 : 0; magnitude <= power + 20; magnitude = magnitude + 1) {
      for (int unit = 0; unit <= kAutomatic; ++unit) {
        for (const Case c : {Case{1, magnitude, 0.0, unit}, Case{-1, magnitude, 0.0, unit}}) {
          ASSERT_EQ(LibraryImage(TimeOf(c), unit), ExpectedImage(c)) << Describe(c);
        }
      }
    }
  }
  const struct {
    int sign, count;
    std::uint32_t word0, word2;
    double offset;
    int unit;
    const char* image;
  } cases[] = {
      // A count over zero words, or a negative count, is zero: no minus.
      {-1, 2, 0, 0, 0.0, kSec, "0 sec"}, {1, -3, 1500000, 0, 0.0, 2, "0 ns"},
      // Counts short of the words: the comparisons see less than the division.
      {1, 1, 15000000, 9, 0.0, kAutomatic, "15000 ps"}, {1, 1, 15000000, 9, 0.0, 2, "15 ns"},
      {1, 9, 1500000, 0, 0.0, kAutomatic, "1.5e-09 sec"},
      // Signs other than +-1: the sign of the value decides the minus.
      {0, 2, 1500000, 0, 0.0, 2, "1.5 ns"}, {2, 2, 1500000, 0, 0.0, kAutomatic, "1.5e-09 sec"},
      {-2, 2, 1500000, 0, 0.0, kAutomatic, "-1.5e-09 sec"},
  };
  for (const auto& c : cases) {
    const UniversalInteger ticks = RawRecord(c.sign, c.count, c.word0, 0, c.word2);
    EXPECT_EQ(LibraryImage(TimeRecord(ticks, c.offset), c.unit), c.image) << RecordText(ticks);
  }
}

}  // namespace
