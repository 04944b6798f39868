// Evaluates a parsed expression through the operation tables.
#ifndef UTCALC_EVALUATOR_H
#define UTCALC_EVALUATOR_H

#include "syntax_tree.h"
#include "value.h"

namespace utcalc {

// Throws CalcError at the operator that fails: a type mismatch, or the
// library's overflow, division by zero or NaN.
Value Evaluate(const Node& node);

}  // namespace utcalc

#endif
