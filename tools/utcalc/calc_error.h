// The one failure every stage of the calculator reports: where in the line
// (a 1-based column) and why, as one line for standard error.
#ifndef UTCALC_CALC_ERROR_H
#define UTCALC_CALC_ERROR_H

#include <string>

namespace utcalc {

struct CalcError {
  int column;
  std::string reason;
};

}  // namespace utcalc

#endif
