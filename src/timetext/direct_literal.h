// The direct route for the everyday literal ('1.5 ns', '250 ps', '16#FF# ns',
// '2.5E-3 sec'): white space, a decimal or based number whose digits fit in
// 120 bits, white space, a unit name and nothing after it but white space.
// One forward scan reads the text; the value is an exact product of at most
// 128 x 64 bits or a 64-bit quotient, with at most one double division,
// correctly rounded, for the sub-femtosecond rest.
//
// Everything else is declined and left to the general parser: every text
// the grammar refuses or reads another way, every overflow, longer digit
// strings and exponents, and rests over a denominator beyond 2^53. A text
// the route takes gets exactly the general parser's result.
#ifndef UNIVERSALTYPES_SRC_TIMETEXT_DIRECT_LITERAL_H
#define UNIVERSALTYPES_SRC_TIMETEXT_DIRECT_LITERAL_H

#include <cstdint>

#include "timetext/literal_text.h"

namespace universaltypes::detail {

// Ticks (negative ? -1 : 1) * (high * 2^64 + low), below 2^96, plus offset
// in [0, 1). negative is set only for a nonzero magnitude, as the tick
// record spells zero with sign +1.
struct DirectLiteralValue {
  bool negative = false;
  std::uint32_t high = 0;
  std::uint64_t low = 0;
  double offset = 0.0;
};

// False when the literal needs the general parser; value then means nothing.
bool TryDirectLiteral(const LiteralText& text, bool basedDisabled, bool analog,
                      DirectLiteralValue& value);

}  // namespace universaltypes::detail

#endif
