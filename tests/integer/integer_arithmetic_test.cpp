// Carries, borrows and wraps at the word boundaries, and what an overflow
// leaves behind.
#include <gtest/gtest.h>

#include "integer/int128_model.h"

namespace {

const u128 k2To32 = u128{1} << 32, k2To64 = u128{1} << 64;

UniversalInteger I(u128 magnitude, int sign = 1) { return ToRecord(Normalised(sign, magnitude)); }

TEST(IntegerAddition, CarriesAndBorrowsCrossWordsWithExactCounts) {
  EXPECT_TRUE(Matches(I(65535) + I(1), {1, 65536}));
  EXPECT_TRUE(Matches(I(0xFFFFFFFF) + I(1), {1, k2To32}));
  EXPECT_TRUE(Matches(I(k2To64 - 1) + I(1), {1, k2To64}));
  EXPECT_TRUE(Matches(I(k2To64) + I(1, -1), {1, k2To64 - 1}));
  EXPECT_TRUE(Matches(I(k2To32 + 5) - I(0xFFFFFFFF), {1, 6}));
  EXPECT_TRUE(Matches(I(kMax96) + I(1, -1), {1, kMax96 - 1}));
  EXPECT_TRUE(Matches(I(5) + I(5, -1), {1, 0}));
  EXPECT_TRUE(Matches(I(5, -1) - I(5, -1), {1, 0}));
  UniversalInteger doubled = I(k2To64 + 3);
  doubled += doubled;
  EXPECT_TRUE(Matches(doubled, {1, 2 * (k2To64 + 3)}));
}

TEST(IntegerAddition, OverflowThrowsLeavesTheCompoundOperandAndSetsTheStatusWord) {
  struct Case {
    UniversalInteger left, right;
    bool subtract;
  };
  for (const Case& c : {Case{I(kMax96), I(1), false}, Case{I(kMax96), I(1, -1), true},
                        Case{I(kMax96, -1), I(1, -1), false}}) {
    UniversalInteger target = c.left;
    try {
      c.subtract ? target -= c.right : target += c.right;
      ADD_FAILURE() << "no overflow";
    } catch (const UTypes_StatusCodeException& exception) {
      EXPECT_EQ(exception.Get_StatusCode(), UTypes_Overflow);
    }
    EXPECT_TRUE(target == c.left);
    EXPECT_EQ(UniversalInteger::Status(), UniversalInteger::Status_Error);
    UniversalInteger reset(IntegerHighChoice);
  }
}

TEST(IntegerMultiplication, KeepsTheLow96BitsAndTheProductOfTheSigns) {
  EXPECT_TRUE(Matches(I(65535) * I(65535), {1, 4294836225u}));
  EXPECT_TRUE(Matches(I(k2To32) * I(k2To32), {1, k2To64}));
  EXPECT_TRUE(Matches(I(3, -1) * 5, {-1, 15}));
  EXPECT_TRUE(Matches(I(3, -1) * I(5, -1), {1, 15}));
  EXPECT_TRUE(Matches(I(5, -1) * 0, {1, 0}));
  EXPECT_TRUE(Matches(I(kMax96) * 2, {1, kMax96 - 1}));
  EXPECT_TRUE(Matches(I(kMax96) * I(kMax96), {1, 1}));
  EXPECT_TRUE(Matches(I(u128{1} << 48) * I(u128{1} << 48), {1, 0}));
  EXPECT_TRUE(Matches(I(u128{1} << 48, -1) * I(u128{1} << 48), {-1, 0}));
}

}  // namespace
