// Evaluates a parsed expression through the operation tables.
#ifndef UTCALC_EVALUATOR_H
#define UTCALC_EVALUATOR_H

#include <ostream>

#include "syntax_tree.h"
#include "value.h"

namespace utcalc {

struct EvaluationMode {
  // false: exactly, through the exact layer. true: with the library's own
  // operators, each answer that differs from the exact one noted on notes.
  bool library = false;
  std::ostream* notes = nullptr;
};

// Throws CalcError at the operator that fails: a type mismatch, an overflow,
// a division by zero or a NaN.
Value Evaluate(const Node& node, const EvaluationMode& mode);

}  // namespace utcalc

#endif
