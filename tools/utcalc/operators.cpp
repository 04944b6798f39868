#include "operators.h"

namespace utcalc {

const char* OperatorText(Operator op) {
  switch (op) {
    case Operator::Plus: return "+";
    case Operator::Minus: return "-";
    case Operator::Times: return "*";
    case Operator::Divide: return "/";
    case Operator::Rem: return "rem";
    case Operator::Mod: return "mod";
    case Operator::Div: return "div";
    case Operator::Equal: return "=";
    case Operator::NotEqual: return "/=";
    case Operator::Less: return "<";
    case Operator::LessEqual: return "<=";
    case Operator::Greater: return ">";
    case Operator::GreaterEqual: return ">=";
    case Operator::Abs: return "abs";
  }
  return "?";
}

bool IsComparison(Operator op) { return op >= Operator::Equal && op <= Operator::GreaterEqual; }

bool IsDivision(Operator op) {
  return op == Operator::Divide || op == Operator::Div || op == Operator::Rem ||
         op == Operator::Mod;
}

}  // namespace utcalc
