// The long division's hard cases: add-back, both extreme normalisation
// factors, a six-digit divisor that fills the seven-digit scratch, zero
// digits inside a divisor; and the zero rules of /, rem and mod. Signs and
// random operands are the differential test's.
#include <gtest/gtest.h>

#include "integer/int128_model.h"

namespace {

UniversalInteger I(u128 magnitude, int sign = 1) { return ToRecord(Normalised(sign, magnitude)); }

u128 Parse(const char* digits) {
  u128 value = 0;
  for (; *digits != '\0'; ++digits) value = value * 10 + static_cast<unsigned>(*digits - '0');
  return value;
}

void ExpectQuotientAndRem(u128 a, u128 b, u128 quotient, u128 remainder) {
  SCOPED_TRACE(ToString({1, a}) + " / " + ToString({1, b}));
  EXPECT_TRUE(Matches(I(a) / I(b), {1, quotient}));
  EXPECT_TRUE(Matches(I(a).rem(I(b)), Normalised(1, remainder)));
  EXPECT_TRUE(Matches(I(a, -1) / I(b), Normalised(-1, quotient)));
  EXPECT_TRUE(Matches(I(a, -1).rem(I(b, -1)), Normalised(-1, remainder)));
}

TEST(IntegerDivision, HardCasesOfTheLongDivisionAreExact) {
  // All six digits in both operands: the product scratch uses all seven.
  ExpectQuotientAndRem(u128{1} << 95, (u128{1} << 80) + 1, 32767,
                       Parse("1208925819614629174673409"));
  // The refinement is skipped for this estimate and the add-back corrects it.
  ExpectQuotientAndRem(120408591090233u, 2063067674u, 58363, 1772432571u);
  // Top divisor digit 65535 (factor 1) and 1 (factor 32768).
  const u128 a = Parse("79228162514264337593543950335");
  ExpectQuotientAndRem(a, u128{0xFFFF0001u}, a / 0xFFFF0001u, a % 0xFFFF0001u);
  ExpectQuotientAndRem(a, u128{0x1FFFFu}, a / 0x1FFFFu, a % 0x1FFFFu);
  // Zero digits inside the divisor and the dividend.
  const u128 sparse = (u128{1} << 80) + 7, holes = (u128{0x8000} << 64) + 1;
  ExpectQuotientAndRem(a - 12345, sparse, (a - 12345) / sparse, (a - 12345) % sparse);
  ExpectQuotientAndRem(a, holes, a / holes, a % holes);
  // One-digit divisor: ordinary short division, six quotient digits.
  ExpectQuotientAndRem(a, 1, a, 0);
  ExpectQuotientAndRem(a, 10, a / 10, a % 10);
}

TEST(IntegerDivision, ZeroOperandsOfEitherSign) {
  int negativeZeroInts[5] = {-1, 0, 0, 0, 0};
  UniversalInteger negativeZero;
  negativeZero.ConvertIntsToUniversalInteger(negativeZeroInts);
  const UniversalInteger five(5), zero;
  for (const UniversalInteger& anyZero : {zero, negativeZero}) {
    // A zero dividend gives +0 from all three, whatever the divisor.
    for (const UniversalInteger& divisor : {five, zero, negativeZero}) {
      EXPECT_TRUE(Matches(anyZero / divisor, {1, 0}));
      EXPECT_TRUE(Matches(anyZero.rem(divisor), {1, 0}));
      EXPECT_TRUE(Matches(anyZero.mod(divisor), {1, 0}));
    }
    // A zero divisor: / refuses, rem gives 0, mod gives the dividend.
    EXPECT_THROW(five / anyZero, UTypes_StatusCodeException);
    EXPECT_TRUE(Matches(five.rem(anyZero), {1, 0}));
    EXPECT_TRUE(Matches(five.mod(anyZero), {1, 5}));
  }
  UniversalInteger result = five;
  EXPECT_EQ(UniversalIntegerDividedByInt(&five, 0, &result), UTypes_Error);
  EXPECT_TRUE(result == five);
}

}  // namespace
