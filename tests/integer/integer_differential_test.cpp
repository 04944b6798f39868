// Every integer operation against the unsigned __int128 model on random and
// boundary operands (see RecordSource), as a member, as a flat function into
// a fresh record and into either operand, by int where the flat interface
// has it, and in the status word; the relations and both images with them.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "support/integer_operations.h"
#include "support/record_source.h"
#include "support/test_scale.h"

namespace {

constexpr std::uint64_t kSeed = 20261206;

ModelOutcome ViaMember(const IntegerOperation& operation, const UniversalInteger& a, const UniversalInteger& b,
                       const Model& expected) {
  try {
    return {UTypes_OK, Matches(operation.member(a, b), expected) ? expected : Model{0, 0}};
  } catch (const UTypes_StatusCodeException& exception) {
    return {exception.Get_StatusCode(), {}};
  }
}

// A flat call's outcome; on failure the result record must be byte for byte
// what it held before (status -1 otherwise).
ModelOutcome Flattened(int status, const UniversalInteger& result, const UniversalInteger& before,
                       const Model& expected) {
  if (status != UTypes_OK) return {std::memcmp(&result, &before, sizeof result) == 0 ? status : -1, {}};
  return {status, Matches(result, expected) ? expected : Model{0, 0}};
}

// Every relation, as a member and as a flat function.
bool ComparisonsAgree(const Model& ma, const Model& mb) {
  const UniversalInteger a = ToRecord(ma), b = ToRecord(mb);
  const int order = SignedOrder(ma, mb), magnitudeOrder = MagnitudeOrder(ma, mb);
  const bool members[] = {a == b, a != b, a < b, a <= b, a > b, a >= b};
  for (int index = 0; const IntegerRelation& relation : kIntegerRelations) {
    const bool holds = relation.holds(order, magnitudeOrder);
    if (relation.flat(&a, &b) != (holds ? 1 : 0) || (index < 6 && members[index] != holds)) return false;
    ++index;
  }
  return true;
}

// The decimal image against the model's digits, the hex image against its
// words.
bool ImagesAgree(const Model& model) {
  const UniversalInteger record = ToRecord(model);
  char hex[32], expected[32];
  record.ToHexString(hex);
  std::snprintf(expected, sizeof expected, "%s%08x%08x%08x", model.sign < 0 ? "-" : "",
                static_cast<unsigned>(model.magnitude >> 64), static_cast<unsigned>(model.magnitude >> 32),
                static_cast<unsigned>(model.magnitude));
  return ToString(model) == static_cast<const char*>(record) && std::strcmp(hex, expected) == 0;
}

TEST(IntegerDifferential, AgreesWithInt128ModelOnRandomAndBoundaryOperands) {
  const long pairs = ScaledCount(1'000'000);
  RecordSource source(kSeed);
  const UniversalInteger sentinel = ToRecord({-1, 0xABCDEF});
  int failures = 0;
  for (long pair = 0; pair < pairs && failures < 10; ++pair) {
    const Model ma = source.Value(), mb = source.Value();
    const UniversalInteger a = ToRecord(ma), b = ToRecord(mb);
    const auto describe = [&] {
      return "seed " + std::to_string(kSeed) + ", pair " + std::to_string(pair) + ": a = " + ToString(ma) +
             ", b = " + ToString(mb);
    };
    // Powers of ten and their neighbours: where the decimal digits are cut.
    const Model powerOfTenEdge = {1, PowerOfTen(static_cast<int>(pair % 29)) - 1 + static_cast<unsigned>(pair % 3)};
    if (!ComparisonsAgree(ma, mb) || !ImagesAgree(ma) || !ImagesAgree(powerOfTenEdge)) {
      ++failures;
      ADD_FAILURE() << "comparisons or images, " << describe();
    }
    // b as an int: INT_MIN included.
    const bool bFitsAnInt = mb.magnitude < (u128{1} << 31) + (mb.sign < 0 ? 1 : 0);
    const int bAsInt = bFitsAnInt ? static_cast<int>(static_cast<std::int64_t>(mb.magnitude) * mb.sign) : 0;
    for (const IntegerOperation& operation : kIntegerOperations) {
      const ModelOutcome expected = operation.model(ma, mb);
      UniversalInteger result = sentinel, left = a, right = b, byInt = sentinel;
      const ModelOutcome outcomes[] = {
          ViaMember(operation, a, b, expected.value),
          Flattened(operation.flat(&a, &b, &result), result, sentinel, expected.value),
          Flattened(operation.flat(&left, &b, &left), left, a, expected.value),
          Flattened(operation.flat(&a, &right, &right), right, b, expected.value),
          operation.byInt == nullptr || !bFitsAnInt
              ? expected
              : Flattened(operation.byInt(&a, bAsInt, &byInt), byInt, sentinel, expected.value)};
      for (int form = 0; form < 5; ++form) {
        if (outcomes[form] == expected) continue;
        ++failures;
        ADD_FAILURE() << operation.name << " (form " << form << ": member, flat, into a, into b, by int), "
                      << describe() << "; expected status " << expected.status << " value "
                      << ToString(expected.value) << ", got status " << outcomes[form].status;
      }
    }
    if (ModelSum(ma, mb).status == UTypes_Overflow) {
      ASSERT_EQ(UniversalInteger::Status(), UniversalInteger::Status_Error) << describe();
      UniversalInteger reset(IntegerHighChoice);
      ASSERT_EQ(UniversalInteger::Status(), UniversalInteger::Status_OK);
    }
  }
}

}  // namespace
