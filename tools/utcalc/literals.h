// The values of literal tokens. Times, integers and based reals are read by
// the library's own literal parser, so they are exactly what a host of the
// library gets; decimal reals are rounded once by strtod and keep their exact
// decimal beside the double (a based real is its double).
#ifndef UTCALC_LITERALS_H
#define UTCALC_LITERALS_H

#include "token.h"
#include "value.h"

namespace utcalc {

// Throws CalcError for text the library refuses, a value beyond its range,
// and a based literal while based literals are switched off.
Value LiteralValue(const Token& token, bool basedLiteralsAllowed);

}  // namespace utcalc

#endif
