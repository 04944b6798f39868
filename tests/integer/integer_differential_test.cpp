// Differential test of every integer operation against the unsigned __int128
// model, over random operands of every digit count, both signs, digits drawn
// towards the division's hard cases (0, 1, 32768, 65535), and the boundary
// magnitudes 2^(16k) - 1, 2^(16k), 2^(16k) + 1 and 2^96 - 1.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <random>

#include "integer/int128_model.h"
#include "support/test_scale.h"

namespace {

constexpr std::uint64_t kSeed = 20261206;

struct Outcome {
  int status = UTypes_OK;
  Model value;
  bool operator==(const Outcome&) const = default;
};

Outcome Overflowed() { return {UTypes_Overflow, {}}; }

Outcome ModelAdd(const Model& a, const Model& b) {
  if (a.sign == b.sign) {
    const u128 sum = a.magnitude + b.magnitude;
    return sum > kMax96 ? Overflowed() : Outcome{UTypes_OK, Normalised(a.sign, sum)};
  }
  if (a.magnitude >= b.magnitude) return {UTypes_OK, Normalised(a.sign, a.magnitude - b.magnitude)};
  return {UTypes_OK, Normalised(b.sign, b.magnitude - a.magnitude)};
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
  return {UTypes_OK, Normalised(a.sign * b.sign, a.magnitude / b.magnitude)};
}

Outcome ModelRem(const Model& a, const Model& b) {
  if (b.magnitude == 0) return {};
  return {UTypes_OK, Normalised(a.sign, a.magnitude % b.magnitude)};
}

Outcome ModelMod(const Model& a, const Model& b) {
  if (b.magnitude == 0) return {UTypes_OK, a};
  const Model r = ModelRem(a, b).value;
  if (r.magnitude == 0 || r.sign == b.sign) return {UTypes_OK, r};
  return {UTypes_OK, {b.sign, b.magnitude - r.magnitude}};
}

using FlatArithmetic = int (*)(const UniversalInteger*, const UniversalInteger*, UniversalInteger*);

struct Operation {
  const char* name;
  UniversalInteger (*member)(const UniversalInteger&, const UniversalInteger&);
  FlatArithmetic flat;
  Outcome (*model)(const Model&, const Model&);
};

const Operation kOperations[] = {
    {"+", [](const auto& a, const auto& b) { return a + b; }, UniversalIntegerPlusUniversalInteger,
     ModelAdd},
    {"-", [](const auto& a, const auto& b) { return a - b; }, UniversalIntegerMinusUniversalInteger,
     ModelSubtract},
    {"*", [](const auto& a, const auto& b) { return a * b; }, UniversalIntegerTimesUniversalInteger,
     ModelMultiply},
    {"/", [](const auto& a, const auto& b) { return a / b; },
     UniversalIntegerDividedByUniversalInteger, ModelDivide},
    {"rem", [](const auto& a, const auto& b) { return a.rem(b); },
     UniversalIntegerRemUniversalInteger, ModelRem},
    {"mod", [](const auto& a, const auto& b) { return a.mod(b); },
     UniversalIntegerModUniversalInteger, ModelMod},
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
    const UniversalInteger result = operation.member(a, b);
    return {UTypes_OK, Matches(result, expected) ? expected : Model{0, 0}};
  } catch (const UTypes_StatusCodeException& exception) {
    return {exception.Get_StatusCode(), {}};
  }
}

// The flat call must leave its result record byte-identical on failure.
Outcome ViaFlat(const Operation& operation, const UniversalInteger& a, const UniversalInteger& b,
                const Model& expected) {
  const UniversalInteger sentinel = ToRecord({-1, 0xABCDEF});
  UniversalInteger result = sentinel;
  const int status = operation.flat(&a, &b, &result);
  if (status != UTypes_OK) {
    const bool untouched = std::memcmp(&result, &sentinel, sizeof result) == 0;
    return {untouched ? status : -1, {}};
  }
  return {status, Matches(result, expected) ? expected : Model{0, 0}};
}

int ModelOrder(const Model& a, const Model& b) {
  if (a.sign != b.sign) return a.sign < b.sign ? -1 : 1;
  const int order = a.magnitude < b.magnitude ? -1 : (a.magnitude > b.magnitude ? 1 : 0);
  return a.sign * order;
}

bool ComparisonsAgree(const Model& ma, const Model& mb) {
  const UniversalInteger a = ToRecord(ma), b = ToRecord(mb);
  const int order = ModelOrder(ma, mb);
  const int magnitude = ma.magnitude < mb.magnitude ? -1 : (ma.magnitude > mb.magnitude ? 1 : 0);
  const int expected[] = {order == 0, order != 0, order < 0, order <= 0, order > 0, order >= 0};
  const int members[] = {a == b, a != b, a < b, a <= b, a > b, a >= b};
  const int flats[] = {UniversalIntegerEqualsUniversalInteger(&a, &b),
                       UniversalIntegerNotEqualUniversalInteger(&a, &b),
                       UniversalIntegerLessThanUniversalInteger(&a, &b),
                       UniversalIntegerLessEqualUniversalInteger(&a, &b),
                       UniversalIntegerGreaterThanUniversalInteger(&a, &b),
                       UniversalIntegerGreaterEqualUniversalInteger(&a, &b)};
  bool agree = UniversalIntegerMagnitudeLessThanUniversalInteger(&a, &b) == (magnitude < 0) &&
               UniversalIntegerMagnitudeGreaterThanUniversalInteger(&a, &b) == (magnitude > 0);
  for (int relation = 0; relation < 6; ++relation) {
    agree = agree && members[relation] == expected[relation] && flats[relation] == expected[relation];
  }
  return agree;
}

TEST(IntegerDifferential, AgreesWithInt128ModelOnRandomAndBoundaryOperands) {
  const long pairs = ScaledCount(1'000'000);
  OperandSource source(kSeed);
  int failures = 0;
  for (long pair = 0; pair < pairs && failures < 10; ++pair) {
    const Model ma = source.Next(), mb = source.Next();
    const UniversalInteger a = ToRecord(ma), b = ToRecord(mb);
    const auto describe = [&] {
      return "seed " + std::to_string(kSeed) + ", pair " + std::to_string(pair) + ": a = " +
             ToString(ma) + ", b = " + ToString(mb);
    };
    if (!ComparisonsAgree(ma, mb)) {
      ++failures;
      ADD_FAILURE() << "comparisons, " << describe();
    }
    for (const Operation& operation : kOperations) {
      const Outcome expected = operation.model(ma, mb);
      const Outcome member = ViaMember(operation, a, b, expected.value);
      const Outcome flat = ViaFlat(operation, a, b, expected.value);
      if (member == expected && flat == expected) continue;
      ++failures;
      ADD_FAILURE() << operation.name << ", " << describe() << "; expected status "
                    << expected.status << " value " << ToString(expected.value)
                    << "; member status " << member.status << ", flat status " << flat.status;
    }
    if (ModelAdd(ma, mb).status == UTypes_Overflow) {
      ASSERT_EQ(UniversalInteger::Status(), UniversalInteger::Status_Error) << describe();
      UniversalInteger reset(IntegerHighChoice);
      ASSERT_EQ(UniversalInteger::Status(), UniversalInteger::Status_OK);
    }
  }
}

}  // namespace
