// The values of literal tokens. Every literal is first read by the library's
// own literal parser, so what it refuses is refused here too. With the
// library's types (--lib) the value is what a host of the library gets:
// decimal reals are rounded once by strtod and keep their exact decimal
// beside the double, a based real is its double. Exactly (the default) a
// decimal number is the decimal it spells at any size ('0.1 fs' is 1/10 fs),
// a based number the number it spells ('3#0.1# fs' is 1/3 fs); counts are
// one kind.
#ifndef UTCALC_LITERALS_H
#define UTCALC_LITERALS_H

#include "token.h"
#include "value.h"

namespace utcalc {

struct LiteralRules {
  bool basedLiterals = true;
  bool exact = true;
};

// Throws CalcError for text the library refuses, a value beyond the range,
// and a based literal while based literals are switched off.
Value LiteralValue(const Token& token, const LiteralRules& rules);

}  // namespace utcalc

#endif
