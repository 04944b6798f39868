// Differential test of every integer operation against the unsigned __int128
// model, over random operands of every digit count, both signs, digits drawn
// towards the division's hard cases (0, 1, 32768, 65535), and the boundary
// magnitudes 2^(16k) - 1, 2^(16k), 2^(16k) + 1 and 2^96 - 1. Each operation
// is checked as a member, as a flat function (writing a fresh record, then
// through either operand, as hosts do), with an int right operand where the
// flat interface has one and the value fits, and in the status word.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <random>

#include "support/int128_model.h"
#include "support/test_scale.h"

namespace {

constexpr std::uint64_t kSeed = 20261206;

struct Outcome {
  int status = UTypes_OK;
  Model value;
  bool operator==(const Outcome&) const = default;
};

Outcome Ok(int sign, u128 magnitude) { return {UTypes_OK, Normalised(sign, magnitude)}; }

Outcome ModelAdd(const Model& a, const Model& b) {
  if (a.sign == b.sign) {
    const u128 sum = a.magnitude + b.magnitude;
    return sum > kMax96 ? Outcome{UTypes_Overflow, {}} : Ok(a.sign, sum);
  }
  return a.magnitude >= b.magnitude ? Ok(a.sign, a.magnitude - b.magnitude) : Ok(b.sign, b.magnitude - a.magnitude);
}

Outcome ModelSubtract(const Model& a, const Model& b) { return ModelAdd(a, {-b.sign, b.magnitude}); }

Outcome ModelMultiply(const Model& a, const Model& b) {
  if (a.magnitude == 0 || b.magnitude == 0) return {};
  // Wrapped products keep the product of the signs, even at zero magnitude.
  return {UTypes_OK, {a.sign * b.sign, (a.magnitude * b.magnitude) & kMax96}};
}

Outcome ModelDivide(const Model& a, const Model& b) {
  if (a.magnitude == 0) return {};
  if (b.magnitude == 0) return {UTypes_Error, {}};
  return Ok(a.sign * b.sign, a.magnitude / b.magnitude);
}

Outcome ModelRem(const Model& a, const Model& b) {
  return b.magnitude == 0 ? Outcome{} : Ok(a.sign, a.magnitude % b.magnitude);
}

Outcome ModelMod(const Model& a, const Model& b) {
  if (b.magnitude == 0) return {UTypes_OK, a};
  const Model r = ModelRem(a, b).value;
  if (r.magnitude == 0 || r.sign == b.sign) return {UTypes_OK, r};
  return {UTypes_OK, {b.sign, b.magnitude - r.magnitude}};
}

using Flat = int (*)(const UniversalInteger*, const UniversalInteger*, UniversalInteger*);
using FlatByInt = int (*)(const UniversalInteger*, int, UniversalInteger*);

struct Operation {
  const char* name;
  UniversalInteger (*member)(const UniversalInteger&, const UniversalInteger&);
  Flat flat;
  Outcome (*model)(const Model&, const Model&);
  FlatByInt byInt = nullptr;
};

const Operation kOperations[] = {
    {"+", [](const auto& a, const auto& b) { return a + b; }, UniversalIntegerPlusUniversalInteger, ModelAdd},
    {"-", [](const auto& a, const auto& b) { return a - b; }, UniversalIntegerMinusUniversalInteger,
     ModelSubtract},
    {"*", [](const auto& a, const auto& b) { return a * b; }, UniversalIntegerTimesUniversalInteger,
     ModelMultiply, UniversalIntegerTimesInt},
    {"/", [](const auto& a, const auto& b) { return a / b; }, UniversalIntegerDividedByUniversalInteger,
     ModelDivide, UniversalIntegerDividedByInt},
    {"rem", [](const auto& a, const auto& b) { return a.rem(b); }, UniversalIntegerRemUniversalInteger,
     ModelRem},
    {"mod", [](const auto& a, const auto& b) { return a.mod(b); }, UniversalIntegerModUniversalInteger,
     ModelMod},
};

class OperandSource {
 public:
  explicit OperandSource(std::uint64_t seed) : random_(seed) {}

  Model Next() {
    const int sign = Uniform(0, 1) == 0 ? 1 : -1;
    return Normalised(sign, Uniform(0, 7) == 0 ? Boundary() : WithDigits(Uniform(0, 6)));
  }

 private:
  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

  u128 Boundary() {
    const int k = Uniform(1, 6);
    const u128 power = u128{1} << (16 * k);
    switch (Uniform(0, 3)) {
      case 0: return power - 1;
      case 1: return k == 6 ? kMax96 : power;
      case 2: return k == 6 ? kMax96 - 1 : power + 1;
      default: return kMax96;
    }
  }

  u128 WithDigits(int count) {
    static constexpr std::uint16_t kHardDigits[] = {0, 1, 32767, 32768, 65534, 65535};
    u128 magnitude = 0;
    for (int digit = 0; digit < count; ++digit) {
      std::uint16_t value = Uniform(0, 3) == 0 ? kHardDigits[Uniform(0, 5)]
                                                : static_cast<std::uint16_t>(Uniform(0, 65535));
      if (digit == count - 1 && value == 0) value = static_cast<std::uint16_t>(Uniform(1, 65535));
      magnitude |= u128{value} << (16 * digit);
    }
    return magnitude;
  }

  std::mt19937_64 random_;
};

Outcome ViaMember(const Operation& operation, const UniversalInteger& a, const UniversalInteger& b,
                  const Model& expected) {
  try {
    return {UTypes_OK, Matches(operation.member(a, b), expected) ? expected : Model{0, 0}};
  } catch (const UTypes_StatusCodeException& exception) {
    return {exception.Get_StatusCode(), {}};
  }
}

// A flat call's outcome; on failure the result record must be byte for byte
// what it held before (status -1 otherwise).
Outcome Flattened(int status, const UniversalInteger& result, const UniversalInteger& before,
                  const Model& expected) {
  if (status != UTypes_OK) return {std::memcmp(&result, &before, sizeof result) == 0 ? status : -1, {}};
  return {status, Matches(result, expected) ? expected : Model{0, 0}};
}

int Order(const u128& a, const u128& b) { return a < b ? -1 : (a > b ? 1 : 0); }

// Every relation, as a member and as a flat function, and the magnitude order.
bool ComparisonsAgree(const Model& ma, const Model& mb) {
  const UniversalInteger a = ToRecord(ma), b = ToRecord(mb);
  const int order = ma.sign != mb.sign ? (ma.sign < mb.sign ? -1 : 1) : ma.sign * Order(ma.magnitude, mb.magnitude);
  const int magnitude = Order(ma.magnitude, mb.magnitude);
  const std::array<int, 8> expected = {order == 0, order != 0, order < 0,     order <= 0,
                                       order > 0,  order >= 0, magnitude < 0, magnitude > 0};
  const std::array<int, 6> members = {a == b, a != b, a < b, a <= b, a > b, a >= b};
  const std::array<int, 8> flats = {UniversalIntegerEqualsUniversalInteger(&a, &b),
                                    UniversalIntegerNotEqualUniversalInteger(&a, &b),
                                    UniversalIntegerLessThanUniversalInteger(&a, &b),
                                    UniversalIntegerLessEqualUniversalInteger(&a, &b),
                                    UniversalIntegerGreaterThanUniversalInteger(&a, &b),
                                    UniversalIntegerGreaterEqualUniversalInteger(&a, &b),
                                    UniversalIntegerMagnitudeLessThanUniversalInteger(&a, &b),
                                    UniversalIntegerMagnitudeGreaterThanUniversalInteger(&a, &b)};
  return flats == expected && std::equal(members.begin(), members.end(), expected.begin());
}

TEST(IntegerDifferential, AgreesWithInt128ModelOnRandomAndBoundaryOperands) {
  const long pairs = ScaledCount(1'000'000);
  OperandSource source(kSeed);
  const UniversalInteger sentinel = ToRecord({-1, 0xABCDEF});
  int failures = 0;
  for (long pair = 0; pair < pairs && failures < 10; ++pair) {
    const Model ma = source.Next(), mb = source.Next();
    const UniversalInteger a = ToRecord(ma), b = ToRecord(mb);
    const auto describe = [&] {
      return "seed " + std::to_string(kSeed) + ", pair " + std::to_string(pair) + ": a = " + ToString(ma) +
             ", b = " + ToString(mb);
    };
    if (!ComparisonsAgree(ma, mb)) {
      ++failures;
      ADD_FAILURE() << "comparisons, " << describe();
    }
    // b as an int: INT_MIN included.
    const bool bFitsAnInt = mb.magnitude < (u128{1} << 31) + (mb.sign < 0 ? 1 : 0);
    const int bAsInt = bFitsAnInt ? static_cast<int>(static_cast<std::int64_t>(mb.magnitude) * mb.sign) : 0;
    for (const Operation& operation : kOperations) {
      const Outcome expected = operation.model(ma, mb);
      UniversalInteger result = sentinel, left = a, right = b, byInt = sentinel;
      const Outcome outcomes[] = {
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
    if (ModelAdd(ma, mb).status == UTypes_Overflow) {
      ASSERT_EQ(UniversalInteger::Status(), UniversalInteger::Status_Error) << describe();
      UniversalInteger reset(IntegerHighChoice);
      ASSERT_EQ(UniversalInteger::Status(), UniversalInteger::Status_OK);
    }
  }
}

}  // namespace
