// The operators of an expression, with the text they are written as (for
// messages such as "type mismatch: time + real").
#ifndef UTCALC_OPERATORS_H
#define UTCALC_OPERATORS_H

namespace utcalc {

enum class Operator {
  Plus,
  Minus,
  Times,
  Divide,
  Rem,
  Mod,
  Div,  // the quotient truncated toward zero
  Equal,
  NotEqual,
  Less,
  LessEqual,
  Greater,
  GreaterEqual,
  Abs,
};

const char* OperatorText(Operator op);

bool IsComparison(Operator op);
// Division, div, rem and mod: the operators whose UTypes_Error means a zero divisor.
bool IsDivision(Operator op);

}  // namespace utcalc

#endif
