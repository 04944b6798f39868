// A quotient of two magnitudes below 2^96 as a double, correctly rounded (to
// nearest, ties to even): the literal parser's offset for a rest over a
// power of its base too large for one IEEE division to round correctly.
#ifndef UNIVERSALTYPES_SRC_TIMETEXT_ROUNDED_QUOTIENT_H
#define UNIVERSALTYPES_SRC_TIMETEXT_ROUNDED_QUOTIENT_H

#include "integer/magnitude96.h"

namespace universaltypes::detail {

// The largest divisor RoundedQuotient takes: twice it still fits 96 bits.
inline constexpr Magnitude96 kLargestQuotientDivisor = {~std::uint64_t{0}, 0x7FFFFFFFu};

// numerator / divisor for 0 < numerator < divisor <= kLargestQuotientDivisor.
// The quotient is above 2^-96, so always a normal double; it may round to
// 1.0.
double RoundedQuotient(const Magnitude96& numerator, const Magnitude96& divisor);

}  // namespace universaltypes::detail

#endif
