// One way of writing numbers in every decimal image, whichever of the
// library's images made it: an exponent with its sign and no leading zeros
// ("1e+9", "1e-9", never "1e+03" or "1e-09"), and NaN without a sign.
#ifndef UTCALC_NUMBER_FORM_H
#define UTCALC_NUMBER_FORM_H

#include <string>

namespace utcalc {

std::string InOneNumberForm(std::string image);

}  // namespace utcalc

#endif
