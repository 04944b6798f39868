// The exact value of a well-formed time literal.
//
// The literal's value is v = sign * (integer digits . fraction digits)_base
// * base^exponent * unit, an exact rational. The result has ticks floor(v)
// and offset v - floor(v) correctly rounded to a double (a rest that rounds
// to 1.0 carries into the ticks) while the analog flag is set, or ticks v
// truncated toward zero and offset 0.0 while it is clear. Ticks beyond
// +-(2^96 - 1) throw UTypes_Overflow. Nothing wraps, and the work is bounded
// by the literal's length, whatever the digit count or the exponent.
#ifndef UNIVERSALTYPES_SRC_TIMETEXT_EXACT_LITERAL_VALUE_H
#define UNIVERSALTYPES_SRC_TIMETEXT_EXACT_LITERAL_VALUE_H

#include "timetext/digit_runs.h"
#include "universaltypes/time_text.h"

namespace universaltypes::detail {

struct LiteralNumber {
  const LiteralText* text = nullptr;
  int base = 10;
  bool negative = false;
  DigitRun integerRun;
  DigitRun fractionRun;  // no digits when the literal has no point
  DigitRun exponentRun;  // no digits when the literal has no exponent
  bool negativeExponent = false;
  TimeUnit unit = TimeUnit_fs;
};

UniversalTime ExactLiteralValue(const LiteralNumber& number, bool analog);

}  // namespace universaltypes::detail

#endif
