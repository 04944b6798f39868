// The inline time functions against the exported ones over random, boundary
// and malformed records, with the analog flag set and clear: the same
// answer, the same result record byte for byte (or the same untouched
// record), and the same integer status word, also when the result is one of
// the operands.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <ostream>
#include <random>
#include <string>

#include "support/int128.h"
#include "support/test_scale.h"
#include "time/time_inline_routes.h"
#include "universaltypes/time_inline.h"

const TimeInlineRoutes kWideInlineRoutes = TIME_INLINE_ROUTES("128-bit integers");

void PrintTo(const TimeInlineRoutes* routes, std::ostream* out) { *out << routes->name; }

namespace {

constexpr std::uint64_t kSeed = 0x1A11E29;
constexpr long kCases = 200000;

struct Record {
  unsigned char bytes[24];
};

UniversalTime* AsTime(Record& record) { return reinterpret_cast<UniversalTime*>(record.bytes); }

Record Make(std::int16_t sign, std::int16_t count, std::uint32_t w0, std::uint32_t w1, std::uint32_t w2,
            double offset) {
  Record record;
  const std::uint32_t words[3] = {w0, w1, w2};
  std::memcpy(record.bytes, &sign, 2);
  std::memcpy(record.bytes + 2, &count, 2);
  std::memcpy(record.bytes + 4, words, sizeof words);
  std::memcpy(record.bytes + 16, &offset, sizeof offset);
  return record;
}

std::int16_t ExactCount(std::uint32_t w0, std::uint32_t w1, std::uint32_t w2) {
  const std::uint32_t words[3] = {w0, w1, w2};
  for (int index = 2; index >= 0; --index) {
    if (words[index] != 0) return static_cast<std::int16_t>(2 * index + (words[index] > 0xFFFFu ? 2 : 1));
  }
  return 0;
}

std::string Hex(const Record& record) {
  static const char kDigits[] = "0123456789abcdef";
  std::string text;
  for (unsigned char byte : record.bytes) {
    text += kDigits[byte >> 4];
    text += kDigits[byte & 15];
  }
  return text;
}

void ResetStatus() { (void)UniversalInteger(IntegerHighChoice); }

class RecordSource {
 public:
  explicit RecordSource(std::uint64_t seed) : random_(seed) {}

  Record Next() {
    switch (random_() % 10) {
      case 0: return Malformed();
      case 1:
      case 2: return Boundary();
      default: return Valid(RandomMagnitude());
    }
  }

 private:
  struct Magnitude {
    std::uint32_t w0, w1, w2;
  };

  Magnitude RandomMagnitude() {
    const int bits = static_cast<int>(random_() % 97);
    u128 value = u128(random_()) << 64 | u128(random_());
    value = bits == 0 ? 0 : value >> (128 - bits);
    return {static_cast<std::uint32_t>(value), static_cast<std::uint32_t>(value >> 32),
            static_cast<std::uint32_t>(value >> 64)};
  }

  double Offset() {
    static const double kOffsets[] = {0.0, -0.0, 0.25, 0.5, 0.75, 1.0 - 0x1p-53, 1.0, 1e-17, 0.5 + 0x1p-40,
                                      std::numeric_limits<double>::quiet_NaN(),
                                      std::numeric_limits<double>::infinity(), -0.25, 2.5, -2.0};
    if (random_() % 3 == 0) return kOffsets[random_() % std::size(kOffsets)];
    return static_cast<double>(random_() >> 11) * 0x1p-53;
  }

  std::int16_t Sign() { return random_() % 2 ? 1 : -1; }

  Record Valid(Magnitude m) {
    const std::int16_t count = ExactCount(m.w0, m.w1, m.w2);
    return Make(count == 0 ? 1 : Sign(), count, m.w0, m.w1, m.w2, Offset());
  }

  // Zero, digit and word edges, the 96-bit extremes, one either side.
  Record Boundary() {
    static const Magnitude kEdges[] = {
        {0, 0, 0},          {1, 0, 0},           {0xFFFF, 0, 0},     {0x10000, 0, 0},
        {0xFFFFFFFF, 0, 0}, {0, 1, 0},           {0, 0xFFFF, 0},     {0xFFFFFFFF, 0xFFFFFFFF, 0},
        {0, 0, 1},          {0, 0, 0x10000},     {0xFFFFFFFE, 0xFFFFFFFF, 0xFFFFFFFF},
        {0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF}};
    return Valid(kEdges[random_() % std::size(kEdges)]);
  }

  // Sign words other than +-1, counts that miss the words (negative, too
  // large, too small), words beyond the count, negative zeros.
  Record Malformed() {
    const Magnitude m = RandomMagnitude();
    const std::int16_t exact = ExactCount(m.w0, m.w1, m.w2);
    switch (random_() % 5) {
      case 0: return Make(static_cast<std::int16_t>(random_()), exact, m.w0, m.w1, m.w2, Offset());
      case 1: return Make(Sign(), static_cast<std::int16_t>(static_cast<int>(random_() % 12) - 3), m.w0, m.w1, m.w2,
                          Offset());
      case 2: return Make(Sign(), static_cast<std::int16_t>(random_()), m.w0, m.w1, m.w2, Offset());
      case 3: return Make(-1, 0, 0, 0, 0, Offset());
      default: return Make(Sign(), exact, m.w0, m.w1, m.w2 | static_cast<std::uint32_t>(random_()), Offset());
    }
  }

  std::mt19937_64 random_;
};

struct Mismatches {
  long count = 0;
  std::string first;
  void Note(const std::string& what) {
    if (count++ == 0) first = what;
  }
};

void CompareRelations(const TimeInlineRoutes& routes, const Record& a, const Record& b, Mismatches& mismatches) {
  const auto* left = reinterpret_cast<const UniversalTime*>(a.bytes);
  const auto* right = reinterpret_cast<const UniversalTime*>(b.bytes);
  const struct {
    const char* name;
    TimeInlineRoutes::Relation inlined, exported;
  } relations[] = {
      {"==", routes.equals, UniversalTimeEqualsUniversalTime},
      {"!=", routes.notEqual, UniversalTimeNotEqualUniversalTime},
      {"<", routes.lessThan, UniversalTimeLessThanUniversalTime},
      {"<=", routes.lessEqual, UniversalTimeLessEqualUniversalTime},
      {">", routes.greaterThan, UniversalTimeGreaterThanUniversalTime},
      {">=", routes.greaterEqual, UniversalTimeGreaterEqualUniversalTime},
  };
  for (const auto& relation : relations) {
    if (relation.inlined(left, right) != relation.exported(left, right)) {
      mismatches.Note(std::string(relation.name) + " of " + Hex(a) + " and " + Hex(b));
    }
  }
}

// where: 0 a fresh result, 1 the result is the left operand, 2 the right.
void CompareArithmetic(const char* name, TimeInlineRoutes::Arithmetic inlined, TimeInlineRoutes::Arithmetic exported,
                       const Record& a, const Record& b, int where, const Record& fill, Mismatches& mismatches) {
  Record operands[2][2] = {{a, b}, {a, b}};
  Record results[2] = {fill, fill};
  int codes[2];
  UniversalInteger::StatusCodes statuses[2];
  const TimeInlineRoutes::Arithmetic routes[2] = {inlined, exported};
  for (int route = 0; route < 2; ++route) {
    UniversalTime* result = where == 0 ? AsTime(results[route]) : AsTime(operands[route][where - 1]);
    ResetStatus();
    codes[route] = routes[route](AsTime(operands[route][0]), AsTime(operands[route][1]), result);
    statuses[route] = UniversalInteger::Status();
  }
  const bool same = codes[0] == codes[1] && statuses[0] == statuses[1] &&
                    std::memcmp(&results[0], &results[1], sizeof(Record)) == 0 &&
                    std::memcmp(operands[0], operands[1], sizeof operands[0]) == 0;
  if (!same) {
    mismatches.Note(std::string(name) + " of " + Hex(a) + " and " + Hex(b) + " into " + std::to_string(where) +
                    ": codes " + std::to_string(codes[0]) + "/" + std::to_string(codes[1]) + ", results " +
                    Hex(where == 0 ? results[0] : operands[0][where - 1]) + " / " +
                    Hex(where == 0 ? results[1] : operands[1][where - 1]));
  }
}

class TimeInlineTest : public ::testing::TestWithParam<const TimeInlineRoutes*> {
 protected:
  void TearDown() override { UniversalTime::Set_AnalogExists(true); }
};

TEST_P(TimeInlineTest, MatchesTheExportedFunctionsOnEveryRecord) {
  const TimeInlineRoutes& routes = *GetParam();
  for (const bool analog : {true, false}) {
    UniversalTime::Set_AnalogExists(analog);
    RecordSource source(kSeed + analog);
    const Record fill = Make(0x5A5A, 0x5A5A, 0xDEADBEEF, 0xDEADBEEF, 0xDEADBEEF, 42.0);
    Mismatches mismatches;
    for (long index = 0; index < ScaledCount(kCases); ++index) {
      const Record a = source.Next();
      // Equal ticks often, so that the offsets decide.
      const Record b = index % 4 == 0 ? Make(0, 0, 0, 0, 0, 0.0) : source.Next();
      Record right = b;
      if (index % 4 == 0) {
        right = a;
        std::memcpy(right.bytes + 16, b.bytes + 16, 8);
        right = index % 8 == 0 ? source.Next() : right;
      }
      CompareRelations(routes, a, right, mismatches);
      const int where = static_cast<int>(index % 3);
      CompareArithmetic("+", routes.plus, UniversalTimePlusUniversalTime, a, right, where, fill, mismatches);
      CompareArithmetic("-", routes.minus, UniversalTimeMinusUniversalTime, a, right, where, fill, mismatches);
    }
    EXPECT_EQ(mismatches.count, 0) << routes.name << ", analog " << analog << ", seed " << kSeed + analog
                                   << "; first: " << mismatches.first;
  }
}

// The edges the random records reach only by chance: carries and borrows
// that overflow, the one that meets exactly 2^96 - 1, null pointers.
TEST_P(TimeInlineTest, OverflowAndNullPointersGoThroughTheExportedFunctions) {
  const TimeInlineRoutes& routes = *GetParam();
  const Record high = Make(1, 6, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0.5);
  const Record low = Make(-1, 6, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0.25);
  const Record belowHigh = Make(1, 6, 0xFFFFFFFE, 0xFFFFFFFF, 0xFFFFFFFF, 0.5);
  const Record half = Make(1, 0, 0, 0, 0, 0.5), one = Make(1, 1, 1, 0, 0, 0.0);
  const Record fill = Make(7, 7, 7, 7, 7, 7.0);
  Mismatches mismatches;
  for (const bool analog : {true, false}) {
    UniversalTime::Set_AnalogExists(analog);
    for (const Record& a : {high, low, belowHigh, half, one}) {
      for (const Record& b : {high, low, belowHigh, half, one}) {
        for (int where = 0; where < 3; ++where) {
          CompareArithmetic("+", routes.plus, UniversalTimePlusUniversalTime, a, b, where, fill, mismatches);
          CompareArithmetic("-", routes.minus, UniversalTimeMinusUniversalTime, a, b, where, fill, mismatches);
        }
      }
    }
  }
  EXPECT_EQ(mismatches.count, 0) << routes.name << "; first: " << mismatches.first;

  Record a = high, result = fill;
  EXPECT_EQ(routes.plus(nullptr, AsTime(a), AsTime(result)), UTypes_Error);
  EXPECT_EQ(routes.minus(AsTime(a), AsTime(a), nullptr), UTypes_Error);
  EXPECT_EQ(routes.lessEqual(nullptr, AsTime(a)), 0);
  EXPECT_EQ(routes.notEqual(AsTime(a), nullptr), 0);
  EXPECT_EQ(std::memcmp(&result, &fill, sizeof result), 0);
}

INSTANTIATE_TEST_SUITE_P(BothBuilds, TimeInlineTest,
                         ::testing::Values(&kWideInlineRoutes, &kWordPairInlineRoutes),
                         [](const auto& info) { return std::string(info.param == &kWideInlineRoutes ? "Wide" : "WordPairs"); });

}  // namespace
