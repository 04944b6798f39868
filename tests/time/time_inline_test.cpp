// The inline time functions and class operators against the exported ones
// on random, boundary and malformed records, analog flag set and clear: the
// same answer, result bytes and status word, also into an operand.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "support/record_source.h"
#include "support/test_scale.h"
#include "support/time_operations.h"
#include "time/time_inline_routes.h"
#include "universaltypes/time_inline.h"

const TimeInlineRoutes kWideInlineRoutes = TIME_INLINE_ROUTES("128-bit integers");

namespace {

constexpr std::uint64_t kSeed = 0x1A11E29;

// The first relation on which the inline route and the exported one differ.
std::string RelationMismatch(const TimeInlineRoutes& routes, const UniversalTime& a, const UniversalTime& b) {
  for (int index = 0; index < 6; ++index) {
    if (routes.relations[index](&a, &b) != kTimeRelations[index](&a, &b)) return kTimeRelationNames[index];
  }
  return "";
}

// What one route leaves; where: 0 a fresh result, 1 the left operand, 2 the right.
struct Outcome {
  int code;
  UniversalInteger::StatusCodes status;
  UniversalTime records[3];
};

Outcome Run(TimeInlineRoutes::Arithmetic route, const UniversalTime& a, const UniversalTime& b, int where) {
  Outcome outcome{0, {}, {TimeRecord(RawRecord(0x5A5A, 0x5A5A, 0xDEADBEEF, 0xDEADBEEF, 0xDEADBEEF), 42.0), a, b}};
  UniversalInteger resetsTheStatusWord(IntegerHighChoice);
  outcome.code = route(&outcome.records[1], &outcome.records[2], &outcome.records[where]);
  outcome.status = UniversalInteger::Status();
  return outcome;
}

// The inline route and the class operator (throwing the flat function's
// status) against the exported function.
std::string ArithmeticMismatch(const TimeInlineRoutes& routes, const UniversalTime& a, const UniversalTime& b,
                               int where) {
  const struct {
    const char* name;
    TimeInlineRoutes::Arithmetic exported, others[2];
  } operations[] = {
      {"+", UniversalTimePlusUniversalTime,
       {routes.plus, [](auto* a, auto* b, auto* r) { return StatusOf([&] { *r = *a + *b; }); }}},
      {"-", UniversalTimeMinusUniversalTime,
       {routes.minus, [](auto* a, auto* b, auto* r) { return StatusOf([&] { *r = *a - *b; }); }}}};
  for (const auto& operation : operations) {
    const Outcome expected = Run(operation.exported, a, b, where);
    for (int route = 0; route < 2; ++route) {
      const Outcome got = Run(operation.others[route], a, b, where);
      if (got.code != expected.code || got.status != expected.status ||
          std::memcmp(got.records, expected.records, sizeof got.records) != 0) {
        return std::string(route == 0 ? "inline " : "class ") + operation.name + " into " + std::to_string(where) +
               ": codes " + std::to_string(got.code) + "/" + std::to_string(expected.code) + ", results " +
               TimeText(got.records[where]) + " / " + TimeText(expected.records[where]);
      }
    }
  }
  return "";
}

class TimeInlineTest : public ::testing::TestWithParam<const TimeInlineRoutes*> {
 protected:
  void TearDown() override { UniversalTime::Set_AnalogExists(true); }
};

TEST_P(TimeInlineTest, MatchesTheExportedFunctionsOnEveryRecordAndRefusesNulls) {
  const TimeInlineRoutes& routes = *GetParam();
  for (const bool analog : {true, false}) {
    UniversalTime::Set_AnalogExists(analog);
    RecordSource source(kSeed + analog);
    for (long index = 0; index < ScaledCount(200000); ++index) {
      const UniversalTime a = source.AnyTime();
      // Equal ticks often, so that the offsets decide.
      const UniversalTime b = index % 4 == 0 ? TimeRecord(a.UniversalToPhysicalTime(), source.AnyOffset())
                                             : source.AnyTime();
      const std::string mismatch =
          RelationMismatch(routes, a, b) + ArithmeticMismatch(routes, a, b, static_cast<int>(index % 3));
      ASSERT_EQ(mismatch, "") << " of " << TimeText(a) << " and " << TimeText(b) << ", " << routes.name
                              << ", analog " << analog << ", seed " << kSeed + analog;
    }
  }
  // Null pointers: refused, and nothing written.
  UniversalTime a = TimeRecord(I(kMax96), 0.5), result = TimeRecord(I(7), 0.25);
  const UniversalTime before = result;
  EXPECT_EQ(routes.plus(nullptr, &a, &result), UTypes_Error);
  EXPECT_EQ(routes.minus(&a, &a, nullptr), UTypes_Error);
  for (const auto relation : routes.relations) EXPECT_TRUE(relation(nullptr, &a) == 0 && relation(&a, nullptr) == 0);
  EXPECT_EQ(std::memcmp(&result, &before, sizeof result), 0);
}

INSTANTIATE_TEST_SUITE_P(BothBuilds, TimeInlineTest, ::testing::Values(&kWideInlineRoutes, &kWordPairInlineRoutes),
                         [](const auto& info) {
                           return std::string(info.param == &kWideInlineRoutes ? "Wide" : "WordPairs");
                         });

}  // namespace
