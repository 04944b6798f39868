// "EXPR in UNIT": one result written in one unit. The session takes the
// conversion off the line's tokens before the expression is parsed.
#ifndef UTCALC_CONVERSION_H
#define UTCALC_CONVERSION_H

#include <optional>
#include <vector>

#include "token.h"
#include "universaltypes/time_text.h"

namespace utcalc {

struct Conversion {
  TimeUnit unit;
  int column;  // of "in"
};

// Removes a closing "in UNIT" from tokens; throws CalcError for an "in"
// anywhere else or without its unit.
std::optional<Conversion> TakeConversion(std::vector<Token>& tokens);

}  // namespace utcalc

#endif
