// The flat interface as a host uses it: results written through either
// operand's pointer, int operands, null pointers, and records that break the
// invariants (which must stay memory-safe and terminate; the sanitizer build
// checks that part).
#include <gtest/gtest.h>

#include <climits>
#include <random>

#include "integer/int128_model.h"

namespace {

using Flat = int (*)(const UniversalInteger*, const UniversalInteger*, UniversalInteger*);
const Flat kFlatArithmetic[] = {
    UniversalIntegerPlusUniversalInteger,      UniversalIntegerMinusUniversalInteger,
    UniversalIntegerTimesUniversalInteger,     UniversalIntegerDividedByUniversalInteger,
    UniversalIntegerRemUniversalInteger,       UniversalIntegerModUniversalInteger};

TEST(IntegerFlat, ResultMayBeEitherOperand) {
  const UniversalInteger a = ToRecord({-1, (u128{1} << 70) + 12345}), b = ToRecord({1, 977});
  for (Flat flat : kFlatArithmetic) {
    UniversalInteger expected;
    ASSERT_EQ(flat(&a, &b, &expected), UTypes_OK);
    UniversalInteger left = a, right = b;
    ASSERT_EQ(flat(&left, &b, &left), UTypes_OK);
    ASSERT_EQ(flat(&a, &right, &right), UTypes_OK);
    EXPECT_TRUE(left == expected && right == expected);
  }
}

TEST(IntegerFlat, IntOperandsAndStatusCodes) {
  const UniversalInteger a = ToRecord({1, u128{1} << 40}), high(IntegerHighChoice), one(1);
  UniversalInteger result = a;
  ASSERT_EQ(UniversalIntegerTimesInt(&a, -3, &result), UTypes_OK);
  EXPECT_TRUE(Matches(result, {-1, 3 * (u128{1} << 40)}));
  ASSERT_EQ(UniversalIntegerDividedByInt(&a, INT_MIN, &result), UTypes_OK);
  EXPECT_TRUE(Matches(result, {-1, 512}));
  EXPECT_EQ(UniversalIntegerPlusUniversalInteger(&high, &one, &result), UTypes_Overflow);
  EXPECT_TRUE(Matches(result, {-1, 512}));
}

TEST(IntegerFlat, NullPointersAreRefused) {
  const UniversalInteger a(3);
  UniversalInteger result;
  for (Flat flat : kFlatArithmetic) {
    EXPECT_EQ(flat(nullptr, &a, &result), UTypes_Error);
    EXPECT_EQ(flat(&a, nullptr, &result), UTypes_Error);
    EXPECT_EQ(flat(&a, &a, nullptr), UTypes_Error);
  }
  EXPECT_EQ(UniversalIntegerTimesInt(nullptr, 2, &result), UTypes_Error);
  EXPECT_EQ(UniversalIntegerEqualsUniversalInteger(nullptr, &a), 0);
  EXPECT_EQ(UniversalIntegerLessThanUniversalInteger(&a, nullptr), 0);
}

TEST(IntegerFlat, RecordsBreakingTheInvariantsStaySafe) {
  std::mt19937 random(7);
  const int wildCounts[] = {-32768, -1, 0, 1, 3, 6, 7, 8, 100, 32767};
  for (int trial = 0; trial < 20000; ++trial) {
    int ints[2][5];
    for (auto& record : ints) {
      record[0] = static_cast<int>(random());
      record[1] = wildCounts[random() % 10];
      for (int word = 2; word < 5; ++word) record[word] = static_cast<int>(random());
    }
    UniversalInteger a, b, result;
    a.ConvertIntsToUniversalInteger(ints[0]);
    b.ConvertIntsToUniversalInteger(ints[1]);
    for (Flat flat : kFlatArithmetic) {
      const int status = flat(&a, &b, &result);
      EXPECT_TRUE(status >= UTypes_OK && status <= UTypes_Overflow);
    }
    EXPECT_LE(UniversalIntegerLessThanUniversalInteger(&a, &b), 1);
  }
}

}  // namespace
