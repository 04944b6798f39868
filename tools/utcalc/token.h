// Tokens of one expression line. A number followed by white space and a
// unit name is one token, the time literal, so '1.5 ns' never reads as the
// number 1.5 next to the one-unit time "ns".
#ifndef UTCALC_TOKEN_H
#define UTCALC_TOKEN_H

#include <optional>
#include <string>

#include "operators.h"
#include "value.h"

namespace utcalc {

enum class TokenKind {
  Number,       // decimal or based, integer or real: text as written
  TimeLiteral,  // number, white space, unit name: text as written
  Unit,         // a unit name standing alone: one unit
  FrequencyLiteral,  // number, white space, frequency unit: text as written
  FrequencyUnit,     // a frequency unit standing alone: one of it
  Operator,
  LeftParenthesis,
  RightParenthesis,
  In,      // "in UNIT" closing a line, which the session takes off
  Name,    // a word that is no unit, operator or keyword: a session name
  Assign,  // ":=" after the name a line defines
  End,
};

struct Token {
  TokenKind kind;
  std::string text;
  int column;                    // 1-based, of the first character
  Operator op = Operator::Plus;  // for TokenKind::Operator
  std::optional<Value> named = std::nullopt;  // for TokenKind::Name: its value, which the session fills in
};

}  // namespace utcalc

#endif
