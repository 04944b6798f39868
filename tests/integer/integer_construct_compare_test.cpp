#include <gtest/gtest.h>

#include <bit>
#include <climits>

#include "integer/int128_model.h"

namespace {

Fields Of(const UniversalInteger& value) { return FieldsOf(value); }

void ExpectFields(const UniversalInteger& value, int sign, int count, std::uint32_t w0,
                  std::uint32_t w1 = 0, std::uint32_t w2 = 0) {
  const Fields fields = Of(value);
  EXPECT_EQ(fields.sign, sign);
  EXPECT_EQ(fields.count, count);
  EXPECT_EQ(fields.words[0], w0);
  EXPECT_EQ(fields.words[1], w1);
  EXPECT_EQ(fields.words[2], w2);
}

TEST(IntegerConstruction, FromIntsGivesExactCountsAndTheMostNegativeIntHasMagnitude2To31) {
  ExpectFields(UniversalInteger(0), 1, 0, 0);
  EXPECT_TRUE(UniversalInteger(0) == UniversalInteger::Get_TheConstantZero());
  ExpectFields(UniversalInteger(65535), 1, 1, 65535);
  ExpectFields(UniversalInteger(65536), 1, 2, 65536);
  ExpectFields(UniversalInteger(-1), -1, 1, 1);
  ExpectFields(UniversalInteger(INT_MIN), -1, 2, 0x80000000u);
  ExpectFields(UniversalInteger::Get_TheConstantOne(), 1, 1, 1);
  ExpectFields(UniversalInteger(), 1, 0, 0);
}

TEST(IntegerConstruction, ChoicesBuildTheExtremesAndSetTheStatusWord) {
  ExpectFields(UniversalInteger(IntegerHighChoice), 1, 6, ~0u, ~0u, ~0u);
  ExpectFields(UniversalInteger(IntegerLowChoice), -1, 6, ~0u, ~0u, ~0u);
  EXPECT_EQ(UniversalInteger::Status(), UniversalInteger::Status_OK);
  const UniversalInteger unknown(static_cast<UniversalIntegerChoice>(7));
  EXPECT_EQ(UniversalInteger::Status(), UniversalInteger::Status_Error);
  ExpectFields(unknown, 1, 0, 0);  // a defined zero, not stray bytes
  UniversalInteger reset(IntegerLowChoice);
  EXPECT_EQ(UniversalInteger::Status(), UniversalInteger::Status_OK);
}

TEST(IntegerConstruction, ArrayFormRoundTripsAnyFiveInts) {
  int ints[5] = {-1, 5, 0x12345678, -2, 0x0000FFFF};
  UniversalInteger value;
  value.ConvertIntsToUniversalInteger(ints);
  int back[5];
  value.ConvertUniversalIntegerToInts(back);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(back[i], ints[i]) << i;
  EXPECT_EQ(UniversalInteger::Get_MachineEndian(),
            std::endian::native == std::endian::big ? BigEndian : LittleEndian);
}

TEST(IntegerComparison, SignDecidesFirstThenMagnitudeWithNegativeZeroDistinct) {
  const UniversalInteger low(IntegerLowChoice), high(IntegerHighChoice);
  EXPECT_TRUE(low < high);
  EXPECT_EQ(low.CompareMagnitude(high), Comparison_Equal);
  EXPECT_TRUE(UniversalInteger(-5) < UniversalInteger(-3));
  EXPECT_TRUE(UniversalInteger(-3) > UniversalInteger(-5));
  EXPECT_EQ(UniversalInteger(-5).CompareMagnitude(UniversalInteger(3)), Comparison_Greater);
  // Digit counts decide before any word: count 3 beats any count-2 value.
  EXPECT_EQ(ToRecord({1, u128{1} << 32}).CompareMagnitude(ToRecord({1, 0xFFFFFFFFu})),
            Comparison_Greater);

  int negativeZeroInts[5] = {-1, 0, 0, 0, 0};
  UniversalInteger negativeZero, otherNegativeZero;
  negativeZero.ConvertIntsToUniversalInteger(negativeZeroInts);
  otherNegativeZero.ConvertIntsToUniversalInteger(negativeZeroInts);
  const UniversalInteger zero;
  EXPECT_FALSE(negativeZero == zero);
  EXPECT_TRUE(negativeZero < zero);
  EXPECT_TRUE(negativeZero > UniversalInteger(-1));
  EXPECT_TRUE(negativeZero == otherNegativeZero);
}

}  // namespace
