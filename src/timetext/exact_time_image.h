// The exact route of the time images. For a tick count with no offset, in a
// unit of fs to sec, the division route's quotient and double fraction come
// out as the tick count's own decimal digits with a point 3 * unit places
// from the right: the fraction r / 10^(3 * unit) has at most 3 * unit
// significant digits, never more than the precision PrintToBuffer uses for
// that unit (12 up to ms, 15 for sec); r is below 2^53, exact as a double,
// so the double fraction the division route gets is the one nearest to it, off
// by at most 2^-53 of it, well inside half a step of that precision
// (5 * 10^-16 of it at least), so printing the double gives back exactly
// those digits. What is left of PrintToBuffer is its layout: trailing zeros
// trimmed, whole numbers with more than six trailing zeros as "e+N", and a
// fraction alone in %g form.
#ifndef UNIVERSALTYPES_SRC_TIMETEXT_EXACT_TIME_IMAGE_H
#define UNIVERSALTYPES_SRC_TIMETEXT_EXACT_TIME_IMAGE_H

#include "universaltypes/time_text.h"

namespace universaltypes::detail {

// Characters the exact route may write at out, the terminator included: it
// copies digits in whole 32-byte blocks, so it writes past the image's end.
inline constexpr int kExactImageRoom = 64;

// Write the image of time in unit, or in the unit its size picks, at out
// and return true; or return false, writing nothing, for a time only the
// division route prints: a nonzero or NaN offset, a unit other than fs to
// sec, or a tick record that is not well formed (a sign other than +1 or a
// digit count other than its words' own). The caller writes any sign: time
// is the magnitude of the time shown.
bool WriteExactImage(const UniversalTime& time, TimeUnit unit, char* out);
bool WriteExactImageInUnitBySize(const UniversalTime& time, char* out);

}  // namespace universaltypes::detail

#endif
