// Splits one expression line into tokens. Numbers and time literals end
// where the exact layer's literal extent says (the rule Python's Time.parse
// shares); whether the text is a valid literal is for the library's parser
// to say later. "--" starts a comment, which runs to the end of the line.
#ifndef UTCALC_LEXER_H
#define UTCALC_LEXER_H

#include <string_view>
#include <vector>

#include "token.h"

namespace utcalc {

// Throws CalcError for a character no token starts with and a unit written
// against its number ('10ns'), and for a line of more than 2^16 tokens.
// Other words are names, for the session.
std::vector<Token> Tokenize(std::string_view line);

}  // namespace utcalc

#endif
