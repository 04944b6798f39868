// UniversalReal arithmetic, comparisons and images.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "universaltypes/universal_integer.h"

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

double D(const UniversalReal& value) { return value.UniversalRealToDouble(); }

TEST(Real, IeeeArithmeticAndComparisonsThroughTheFlatFunctions) {
  const UniversalReal nan(kNaN), two(2.0), three(3.0);
  UniversalReal result;
  EXPECT_EQ(D(UniversalReal::Get_TheConstantOne()) + D(UniversalReal::Get_TheConstantZero()), 1.0);
  EXPECT_EQ(UniversalRealNotEqualUniversalReal(&nan, &nan), 1);
  for (auto relation : {UniversalRealEqualsUniversalReal, UniversalRealLessThanUniversalReal,
                        UniversalRealLessEqualUniversalReal, UniversalRealGreaterThanUniversalReal,
                        UniversalRealGreaterEqualUniversalReal}) {
    EXPECT_EQ(relation(&nan, &two) + relation(&two, &nan), 0);
  }
  EXPECT_EQ(UniversalRealLessEqualUniversalReal(&two, &two), 1);
  EXPECT_EQ(UniversalRealDividedByInt(&two, 0, &result), 0);
  EXPECT_TRUE(std::isinf(D(result)));
  EXPECT_EQ(UniversalRealMinusUniversalReal(&two, &three, &result), 0);
  EXPECT_EQ(UniversalRealTimesDouble(&result, 2.5, &result), 0);
  EXPECT_EQ(D(result), -2.5);
  EXPECT_EQ(UniversalRealPlusUniversalReal(nullptr, &two, &result), UTypes_Error);
  int lowest[5] = {-1, 6, -1, -1, -1}, negativeZero[5] = {-1, 0, 0, 0, 0};
  UniversalInteger integer;
  integer.ConvertIntsToUniversalInteger(lowest);
  EXPECT_EQ(D(UniversalReal(integer)), -7.922816251426434e28);
  integer.ConvertIntsToUniversalInteger(negativeZero);
  EXPECT_TRUE(std::signbit(D(UniversalReal(integer))));
}

std::string Text(double value, int precision) {
  char buffer[64];
  UniversalReal(value).ToString(buffer, precision);
  return buffer;
}

std::string Hex(double value) {
  char buffer[17];
  UniversalReal(value).ToHexString(buffer);
  return buffer;
}

TEST(RealText, ScientificAndBitPatternImages) {
  EXPECT_EQ(Text(12345.678, 2), "1.23e+04");
  EXPECT_EQ(Text(1.5, 3), "1.500e+00");
  EXPECT_EQ(Text(-0.5, 0), "-5e-01");
  EXPECT_EQ(Text(0.0, 1), "0.0e+00");
  EXPECT_EQ(Text(1e-300, 1), "1.0e-300");
  EXPECT_EQ(Hex(1.0), "3ff0000000000000");
  EXPECT_EQ(Hex(0.0), "0000000000000000");
  EXPECT_EQ(Hex(-0.0), "8000000000000000");
  EXPECT_EQ(Hex(-2.5), "c004000000000000");
  EXPECT_EQ(Hex(0.5), "3fe0000000000000");
}

}  // namespace
