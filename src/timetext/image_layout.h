// The layout of a time image's number once its digits are known, shared by
// the division route and the exact route so both print alike. A whole
// number compacts more than six trailing zeros to "e+N"
// (CompactTrailingZeros). A number below one unit is laid out as printf's %g
// lays it out at a precision that keeps every digit given: fixed down to
// 10^-4 ("0.00125"), scientific below ("1.25e-05", the exponent with two
// digits at least), trailing zeros dropped, and no point after a lone digit.
#ifndef UNIVERSALTYPES_SRC_TIMETEXT_IMAGE_LAYOUT_H
#define UNIVERSALTYPES_SRC_TIMETEXT_IMAGE_LAYOUT_H

#include <cstdint>

#include "integer/decimal_digits.h"

namespace universaltypes::detail {

// The least decimal exponent (the place of the first significant digit) a
// number below one is written in fixed notation at.
inline constexpr int kLeastFixedExponent = -4;

inline bool IsFixedFraction(int exponent) { return exponent >= kLeastFixedExponent; }

// The digits of a fraction, just written before end, without their trailing
// zeros, and without the point when no digit follows it. Some digit before
// end is not a zero.
inline char* TrimFraction(char* end) {
  while (end[-1] == '0') --end;
  if (end[-1] == '.') --end;
  return end;
}

// Completes "d.ddd" (d nonzero) written up to end as the scientific form of
// d.ddd * 10^exponent, exponent below kLeastFixedExponent and above -1000;
// returns the new end (no terminator written).
inline char* FinishScientific(char* end, int exponent) {
  end = TrimFraction(end);
  *end++ = 'e';
  *end++ = '-';
  auto magnitude = static_cast<std::uint32_t>(-exponent);
  if (magnitude >= 100) {
    *end++ = static_cast<char>('0' + magnitude / 100);
    magnitude %= 100;
  }
  WritePair(magnitude, end);
  return end + 2;
}

}  // namespace universaltypes::detail

#endif
