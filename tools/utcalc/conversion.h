// "EXPR in UNIT": one result written in one unit. The session takes the
// conversion off the line's tokens before the expression is parsed.
#ifndef UTCALC_CONVERSION_H
#define UTCALC_CONVERSION_H

#include <optional>
#include <vector>

#include "frequency_units.h"
#include "token.h"
#include "universaltypes/time_text.h"

namespace utcalc {

// To a time unit, or to a frequency unit where frequency is set.
struct Conversion {
  TimeUnit unit;
  std::optional<FrequencyUnit> frequency;
  int column;  // of "in"
};

// Removes a closing "in UNIT" from tokens; throws CalcError for an "in"
// anywhere else or without its unit.
std::optional<Conversion> TakeConversion(std::vector<Token>& tokens);

}  // namespace utcalc

#endif
