// Tokens of one expression line. A number followed by white space and a
// unit name is one token, the time literal, so '1.5 ns' never reads as the
// number 1.5 next to the one-unit time "ns".
#ifndef UTCALC_TOKEN_H
#define UTCALC_TOKEN_H

#include <string>

#include "operators.h"

namespace utcalc {

enum class TokenKind {
  Number,       // decimal or based, integer or real: text as written
  TimeLiteral,  // number, white space, unit name: text as written
  Unit,         // a unit name standing alone: one unit
  Operator,
  LeftParenthesis,
  RightParenthesis,
  In,  // "in UNIT" closing a line, which the session takes off
  End,
};

struct Token {
  TokenKind kind;
  std::string text;
  int column;                    // 1-based, of the first character
  Operator op = Operator::Plus;  // for TokenKind::Operator
};

}  // namespace utcalc

#endif
