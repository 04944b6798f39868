// The parsed expression. Operands joined by operators of one precedence
// level form a chain evaluated left to right, so a long sum nests no deeper
// than its parentheses and signs, which the parser bounds.
#ifndef UTCALC_SYNTAX_TREE_H
#define UTCALC_SYNTAX_TREE_H

#include <memory>
#include <vector>

#include "operators.h"
#include "value.h"

namespace utcalc {

struct Node;

struct Link {
  Operator op;
  int column;  // of the operator
  std::unique_ptr<Node> operand;
};

struct Node {
  enum class Kind { Literal, Unary, Chain };
  Kind kind;
  int column;                     // of the literal or the unary operator
  Value value;                    // Literal
  Operator op = Operator::Plus;   // Unary
  std::unique_ptr<Node> operand;  // Unary: its operand; Chain: the first operand
  std::vector<Link> links;        // Chain: the operators and further operands
};

}  // namespace utcalc

#endif
