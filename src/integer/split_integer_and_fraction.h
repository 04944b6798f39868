// Splitting a non-negative multiplier into its integer part and fraction,
// snapping fractions within a tolerance of a whole number to it, so that
// 5 * 2.9999999999999996 is exactly 15.
#ifndef UNIVERSALTYPES_SRC_INTEGER_SPLIT_INTEGER_AND_FRACTION_H
#define UNIVERSALTYPES_SRC_INTEGER_SPLIT_INTEGER_AND_FRACTION_H

namespace universaltypes::detail {

// Returns the fraction of x (x >= 0) and its integer part through integerPart.
double SplitIntegerAndFraction(double x, double& integerPart);

}  // namespace universaltypes::detail

#endif
