// Construction, the status word, the array form, and the sign-first order
// with its negative zero; arithmetic is the differential test's.
#include <gtest/gtest.h>

#include <bit>
#include <climits>

#include "integer/int128_model.h"

namespace {

TEST(IntegerConstruction, IntsChoicesAndTheArrayForm) {
  EXPECT_TRUE(Matches(UniversalInteger(0), {1, 0}));
  EXPECT_EQ(FieldsOf(UniversalInteger(65535)).count, 1);
  EXPECT_EQ(FieldsOf(UniversalInteger(65536)).count, 2);
  EXPECT_TRUE(Matches(UniversalInteger(INT_MIN), {-1, u128{1} << 31}));
  EXPECT_TRUE(Matches(UniversalInteger(IntegerLowChoice), {-1, kMax96}));
  EXPECT_EQ(UniversalInteger::Status(), UniversalInteger::Status_OK);
  const UniversalInteger unknown(static_cast<UniversalIntegerChoice>(7));
  EXPECT_EQ(UniversalInteger::Status(), UniversalInteger::Status_Error);
  EXPECT_TRUE(Matches(unknown, {1, 0}));  // a defined zero, not stray bytes
  int ints[5] = {-1, 5, 0x12345678, -2, 0x0000FFFF}, back[5];
  UniversalInteger value(IntegerHighChoice);
  value.ConvertIntsToUniversalInteger(ints);
  value.ConvertUniversalIntegerToInts(back);
  EXPECT_TRUE(std::equal(ints, ints + 5, back));
  EXPECT_EQ(UniversalInteger::Get_MachineEndian(),
            std::endian::native == std::endian::big ? BigEndian : LittleEndian);
}

TEST(IntegerConstruction, OverflowLeavesACompoundOperandAndSetsTheStatusWord) {
  for (const auto& [left, right, subtract] :
       {std::tuple{ToRecord({1, kMax96}), UniversalInteger(1), false},
        std::tuple{ToRecord({1, kMax96}), UniversalInteger(-1), true},
        std::tuple{ToRecord({-1, kMax96}), UniversalInteger(-1), false}}) {
    UniversalInteger target = left;
    EXPECT_THROW(subtract ? target -= right : target += right, UTypes_StatusCodeException);
    EXPECT_TRUE(target == left);
    EXPECT_EQ(UniversalInteger::Status(), UniversalInteger::Status_Error);
    UniversalInteger reset(IntegerHighChoice);
  }
}

TEST(IntegerComparison, CountsDecideBeforeWordsAndNegativeZeroIsDistinct) {
  EXPECT_EQ(ToRecord({1, u128{1} << 32}).CompareMagnitude(ToRecord({1, 0xFFFFFFFFu})),
            Comparison_Greater);
  const UniversalInteger negativeZero = ToRecord({-1, 0}), zero;
  EXPECT_FALSE(negativeZero == zero);
  EXPECT_TRUE(negativeZero < zero);
  EXPECT_TRUE(negativeZero > UniversalInteger(-1));
  EXPECT_TRUE(negativeZero == ToRecord({-1, 0}));
}

}  // namespace
