#include "integer/split_integer_and_fraction.h"

#include <cmath>

namespace universaltypes::detail {

namespace {

// The tolerance for an integer part of k decimal digits is 10^(k-16) for k
// from 1 to 15; the sixteen-digit decade keeps 0.1, and anything below 1 or
// from 10^16 up uses 1e-16. The literals are the table: ten times the entry
// before would round differently.
constexpr double kToleranceByDigits[] = {1e-16, 1e-15, 1e-14, 1e-13, 1e-12, 1e-11,
                                         1e-10, 1e-9,  1e-8,  1e-7,  1e-6,  1e-5,
                                         1e-4,  1e-3,  1e-2,  1e-1,  0.1};

double ToleranceFor(double integerPart) {
  double decade = 1.0;
  for (int digits = 0; digits <= 16; ++digits) {
    // Also true for a NaN integer part: !(NaN >= 1) picks the first entry.
    if (!(integerPart >= decade)) return kToleranceByDigits[digits];
    decade *= 10.0;
  }
  return 1e-16;
}

}  // namespace

double SplitIntegerAndFraction(double x, double& integerPart) {
  double fraction = std::modf(x, &integerPart);
  const double tolerance = ToleranceFor(integerPart);
  if (fraction > 1.0 - 5.0 * tolerance) {
    integerPart += 1.0;
    fraction = 0.0;
  } else if (fraction < tolerance) {
    fraction = 0.0;  // a fraction exactly equal to the tolerance stays
  }
  return fraction;
}

}  // namespace universaltypes::detail
