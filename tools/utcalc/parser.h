// Parses the tokens of one line with the precedence of the hardware
// description language, lowest first: one comparison (= /= < <= > >=),
// adding operators (+ -), multiplying operators (* / div rem mod), then the
// signs and abs. Literals are read as they are met.
#ifndef UTCALC_PARSER_H
#define UTCALC_PARSER_H

#include <memory>
#include <vector>

#include "literals.h"
#include "syntax_tree.h"
#include "token.h"

namespace utcalc {

// Throws CalcError at the first token that does not fit, or at a literal
// the library refuses.
std::unique_ptr<Node> Parse(const std::vector<Token>& tokens, const LiteralRules& rules);

}  // namespace utcalc

#endif
