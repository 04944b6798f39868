// UniversalReal through the flat functions and its images: IEEE arithmetic,
// with NaN unordered to everything, itself included.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

#include "universaltypes/universal_integer.h"

namespace {

TEST(Real, IeeeArithmeticAndComparisonsThroughTheFlatFunctions) {
  const UniversalReal nan(std::numeric_limits<double>::quiet_NaN()), two(2.0), three(3.0);
  UniversalReal result;
  EXPECT_EQ(static_cast<double>(UniversalReal::Get_TheConstantOne()), 1.0);
  EXPECT_EQ(static_cast<double>(UniversalReal::Get_TheConstantZero()), 0.0);
  EXPECT_EQ(UniversalRealNotEqualUniversalReal(&nan, &nan), 1);
  for (auto relation : {UniversalRealEqualsUniversalReal, UniversalRealLessThanUniversalReal,
                        UniversalRealLessEqualUniversalReal, UniversalRealGreaterThanUniversalReal,
                        UniversalRealGreaterEqualUniversalReal}) {
    EXPECT_EQ(relation(&nan, &two) + relation(&two, &nan) + relation(&nan, &nan), 0);
  }
  EXPECT_EQ(UniversalRealLessEqualUniversalReal(&two, &two), 1);
  EXPECT_EQ(UniversalRealPlusUniversalReal(&nan, &two, &result), UTypes_OK);
  EXPECT_TRUE(std::isnan(static_cast<double>(result)));
  EXPECT_EQ(UniversalRealMinusUniversalReal(&two, &three, &result), UTypes_OK);
  EXPECT_EQ(UniversalRealTimesDouble(&result, 2.5, &result), UTypes_OK);
  EXPECT_EQ(static_cast<double>(result), -2.5);
}

TEST(RealText, ScientificAndBitPatternImages) {
  const std::tuple<double, int, const char*, const char*> cases[] = {
      {12345.678, 2, "1.23e+04", "40c81cd6c8b43958"}, {1.5, 3, "1.500e+00", "3ff8000000000000"},
      {-0.5, 0, "-5e-01", "bfe0000000000000"},         {0.0, 1, "0.0e+00", "0000000000000000"},
      {-0.0, 1, "-0.0e+00", "8000000000000000"},       {1e-300, 1, "1.0e-300", "01a56e1fc2f8f359"},
      {-2.5, 1, "-2.5e+00", "c004000000000000"},       {1.0, 0, "1e+00", "3ff0000000000000"}};
  for (const auto& [value, precision, text, hex] : cases) {
    char buffer[64];
    UniversalReal(value).ToString(buffer, precision);
    EXPECT_STREQ(buffer, text) << value;
    UniversalReal(value).ToHexString(buffer);
    EXPECT_STREQ(buffer, hex) << value;
  }
}

}  // namespace
