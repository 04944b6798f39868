// What the integer differential takes as given: construction, the array
// form, the status word, the constants, the negative zero, the image shapes.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <climits>
#include <string>

#include "support/int128_model.h"

namespace {

// A host's own static initialiser may read the library's constants: they are constant-initialised.
struct SeenAtStaticInitialisation {
  Fields zero = FieldsOf(UniversalInteger::Get_TheConstantZero());
  Fields one = FieldsOf(UniversalInteger::Get_TheConstantOne());
  Fields high = FieldsOf(UniversalInteger(IntegerHighChoice));
  UniversalInteger::StatusCodes status = UniversalInteger::Status();
};
const SeenAtStaticInitialisation seen;

TEST(IntegerConstruction, ConstantsChoicesAndTheArrayForm) {
  EXPECT_TRUE(seen.zero.sign == 1 && seen.zero.count == 0 && seen.one.count == 1 && seen.one.words[0] == 1u);
  EXPECT_TRUE(seen.high.count == 6 && seen.high.words[2] == 0xFFFFFFFFu);
  EXPECT_EQ(seen.status, UniversalInteger::Status_OK);
  EXPECT_TRUE(Matches(UniversalInteger(65535), {1, 65535}) && Matches(UniversalInteger(65536), {1, 65536}));
  EXPECT_TRUE(Matches(UniversalInteger(INT_MIN), {-1, u128{1} << 31}));
  EXPECT_TRUE(Matches(UniversalInteger(IntegerLowChoice), {-1, kMax96}));
  EXPECT_EQ(UniversalInteger::Status(), UniversalInteger::Status_OK);
  const UniversalInteger unknown(static_cast<UniversalIntegerChoice>(7));
  EXPECT_EQ(UniversalInteger::Status(), UniversalInteger::Status_Error);
  EXPECT_TRUE(Matches(unknown, {1, 0}));  // a defined zero, not stray bytes
  // The array form carries any fields through unchanged.
  int ints[5] = {-1, 5, 0x12345678, -2, 0x0000FFFF}, back[5];
  UniversalInteger value(IntegerHighChoice);
  value.ConvertIntsToUniversalInteger(ints);
  value.ConvertUniversalIntegerToInts(back);
  EXPECT_TRUE(std::equal(ints, ints + 5, back));
  EXPECT_EQ(UniversalInteger::Get_MachineEndian(),
            std::endian::native == std::endian::big ? BigEndian : LittleEndian);
}

TEST(IntegerConstruction, OverflowLeavesACompoundOperandAndSetsTheStatusWord) {
  const struct {
    UniversalInteger left, right;
    bool subtract;
  } cases[] = {{I(kMax96), I(1), false}, {I(kMax96), I(1, -1), true}, {I(kMax96, -1), I(1, -1), false}};
  for (const auto& c : cases) {
    UniversalInteger target = c.left;
    EXPECT_EQ(StatusOf([&] { c.subtract ? target -= c.right : target += c.right; }), UTypes_Overflow);
    EXPECT_TRUE(target == c.left);
    EXPECT_EQ(UniversalInteger::Status(), UniversalInteger::Status_Error);
    UniversalInteger reset(IntegerHighChoice);
  }
}

// A negative zero (a wrapped product leaves one) is its own value in the
// order and the image, and zero as an operand.
TEST(IntegerNegativeZero, DistinctInOrderAndImageZeroAsAnOperand) {
  const UniversalInteger negativeZero = RawRecord(-1, 0, 0), zero, five(5), minusFive(-5);
  EXPECT_TRUE(negativeZero != zero && negativeZero < zero && negativeZero > UniversalInteger(-1));
  EXPECT_TRUE(negativeZero == RawRecord(-1, 0, 0));
  EXPECT_STREQ(static_cast<const char*>(negativeZero), "-0");
  EXPECT_STREQ(static_cast<const char*>(negativeZero + five), "5");
  for (const UniversalInteger& anyZero : {zero, negativeZero}) {
    // A zero dividend gives +0 from all three, whatever the divisor.
    for (const UniversalInteger& divisor : {five, zero, negativeZero}) {
      EXPECT_TRUE(Matches(anyZero / divisor, {1, 0}) && Matches(anyZero.rem(divisor), {1, 0}) &&
                  Matches(anyZero.mod(divisor), {1, 0}));
    }
    // A zero divisor: / refuses, rem gives 0, mod gives the dividend.
    EXPECT_EQ(StatusOf([&] { (void)(five / anyZero); }), UTypes_Error);
    EXPECT_TRUE(Matches(minusFive.rem(anyZero), {1, 0}) && Matches(minusFive.mod(anyZero), {-1, 5}));
  }
}

TEST(IntegerDecimalImage, PrintToBufferShapes) {
  const struct {
    u128 magnitude;
    int sign;
    double fraction;
    const char* image;
  } cases[] = {
      // Whole numbers: more than six trailing zeros compact.
      {12, 1, 0.0, "12"}, {1000000, 1, 0.0, "1000000"}, {10000000, 1, 0.0, "1e+7"},
      {120000000, 1, 0.0, "12e+7"}, {10000000, -1, 0.0, "-1e+7"}, {0, 1, 0.0, "0"},
      // The fraction adds to the signed whole, to the precision, and may round
      // into it; any fraction stops the compaction; a negative zero is zero.
      {10000000, 1, 1e-14, "10000000"}, {3, 1, 0.25, "3.25"}, {4, -1, 0.75, "-3.25"}, {1, -1, 0.5, "-0.5"},
      {0, 1, 0.5, "0.5"}, {0, 1, 2e-06, "2e-06"}, {3, 1, 0.9999999999999, "4"},
      {999999, 1, 0.9999999999999, "1000000"}, {0, -1, 0.25, "0.25"},
  };
  char buffer[4096];
  for (const auto& c : cases) {
    const UniversalInteger whole = c.magnitude == 0 ? RawRecord(c.sign, 0, 0) : I(c.magnitude, c.sign);
    whole.PrintToBuffer(buffer, c.fraction, 12);
    EXPECT_STREQ(buffer, c.image) << c.image;
  }
  EXPECT_EQ(StatusOf([&] { I(kMax96).PrintToBuffer(buffer, 0.9999999999999, 12); }), UTypes_Overflow);
  // A precision far past the fraction area neither overruns nor crashes.
  for (const int whole : {3, 0}) {
    I(whole).PrintToBuffer(buffer, 0.1, 100000);
    EXPECT_LT(std::string(buffer).size(), 70u);
  }
}

}  // namespace
