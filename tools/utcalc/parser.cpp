#include "parser.h"

#include <string>

#include "calc_error.h"
#include "literals.h"

namespace utcalc {

namespace {

// Parentheses and signs recurse; a bound keeps hostile input off the stack.
constexpr int kMaxNesting = 200;

bool IsAdding(Operator op) { return op == Operator::Plus || op == Operator::Minus; }
bool IsMultiplying(Operator op) {
  return op == Operator::Times || op == Operator::Divide || op == Operator::Div ||
         op == Operator::Rem || op == Operator::Mod;
}

class Parser {
 public:
  Parser(const std::vector<Token>& tokens, const LiteralRules& rules)
      : tokens_(tokens), rules_(rules) {}

  std::unique_ptr<Node> Line() {
    std::unique_ptr<Node> expression = Relation();
    if (Peek().kind != TokenKind::End) Fail(Peek(), "expected an operator, found");
    return expression;
  }

 private:
  const Token& Peek() const { return tokens_[position_]; }
  const Token& Take() { return tokens_[position_++]; }

  bool AtOperator(bool (*belongs)(Operator)) const {
    return Peek().kind == TokenKind::Operator && belongs(Peek().op);
  }

  [[noreturn]] static void Fail(const Token& token, const std::string& what) {
    const std::string found =
        token.kind == TokenKind::End ? "the end of the line" : "'" + token.text + "'";
    throw CalcError{token.column, what + " " + found};
  }

  using Level = std::unique_ptr<Node> (Parser::*)();

  static std::unique_ptr<Node> MakeNode(Node::Kind kind, int column) {
    auto node = std::make_unique<Node>();
    node->kind = kind;
    node->column = column;
    return node;
  }

  std::unique_ptr<Node> Relation() {
    std::unique_ptr<Node> relation = Chain(&Parser::Sum, &Parser::Sum, IsComparison, true);
    if (AtOperator(IsComparison)) throw CalcError{Peek().column, "comparisons do not chain"};
    return relation;
  }
  // A sign leads a sum and applies to its whole first term: '- 7 mod 3' is
  // -(7 mod 3).
  std::unique_ptr<Node> Sum() { return Chain(&Parser::SignedTerm, &Parser::Term, IsAdding, false); }
  std::unique_ptr<Node> Term() {
    return Chain(&Parser::Factor, &Parser::Factor, IsMultiplying, false);
  }

  // first (op operand)* at one precedence level; a comparison has one op.
  std::unique_ptr<Node> Chain(Level firstOperand, Level operand, bool (*belongs)(Operator),
                              bool single) {
    std::unique_ptr<Node> first = (this->*firstOperand)();
    if (!AtOperator(belongs)) return first;
    std::unique_ptr<Node> chain = MakeNode(Node::Kind::Chain, first->column);
    chain->operand = std::move(first);
    do {
      const Token& op = Take();
      chain->links.push_back({op.op, op.column, (this->*operand)()});
    } while (!single && AtOperator(belongs));
    return chain;
  }

  std::unique_ptr<Node> SignedTerm() {
    const Token& token = Peek();
    if (!AtOperator(IsAdding)) return Term();
    Take();
    std::unique_ptr<Node> node = MakeNode(Node::Kind::Unary, token.column);
    node->op = token.op;
    node->operand = Term();
    return node;
  }

  std::unique_ptr<Node> Factor() {
    const Token& token = Peek();
    if (AtOperator(IsAdding)) RefuseSign();
    if (!AtOperator([](Operator op) { return op == Operator::Abs; })) return Primary();
    Take();
    if (AtOperator(IsAdding)) RefuseSign();
    std::unique_ptr<Node> node = MakeNode(Node::Kind::Unary, token.column);
    node->op = token.op;
    node->operand = Nested(&Parser::Primary, token);
    return node;
  }

  // A sign after another operator ('2 * -3', 'abs -3', '1 + -2') is no
  // operand: the hint shows the parentheses that make it one.
  [[noreturn]] void RefuseSign() const {
    const Token& sign = Peek();
    const Token& before = tokens_[position_ - 1];
    const auto operandText = [&](std::size_t index) -> std::string {
      const TokenKind kind = tokens_[index].kind;
      const bool literal = kind == TokenKind::Number || kind == TokenKind::TimeLiteral ||
                           kind == TokenKind::Unit || kind == TokenKind::FrequencyLiteral ||
                           kind == TokenKind::FrequencyUnit;
      return literal ? tokens_[index].text : "...";
    };
    const std::string left = position_ >= 2 ? operandText(position_ - 2) + " " : "";
    throw CalcError{sign.column, "a sign cannot follow '" + before.text + "': write " +
                                     (before.op == Operator::Abs ? "" : left) + before.text +
                                     " (" + sign.text + operandText(position_ + 1) + ")"};
  }

  std::unique_ptr<Node> Primary() {
    const Token& token = Take();
    switch (token.kind) {
      case TokenKind::Number:
      case TokenKind::TimeLiteral:
      case TokenKind::Unit:
      case TokenKind::FrequencyLiteral:
      case TokenKind::FrequencyUnit:
      case TokenKind::Name: {
        std::unique_ptr<Node> node = MakeNode(Node::Kind::Literal, token.column);
        node->value = token.named ? *token.named : LiteralValue(token, rules_);
        return node;
      }
      case TokenKind::LeftParenthesis: {
        std::unique_ptr<Node> inner = Nested(&Parser::Relation, token);
        if (Peek().kind != TokenKind::RightParenthesis) Fail(Peek(), "expected ')', found");
        Take();
        return inner;
      }
      default: Fail(token, "expected an operand, found");
    }
  }

  std::unique_ptr<Node> Nested(Level inner, const Token& opening) {
    if (++depth_ > kMaxNesting) {
      throw CalcError{opening.column,
                      "nested deeper than " + std::to_string(kMaxNesting) + " levels"};
    }
    std::unique_ptr<Node> node = (this->*inner)();
    --depth_;
    return node;
  }

  const std::vector<Token>& tokens_;
  const LiteralRules& rules_;
  std::size_t position_ = 0;
  int depth_ = 0;
};

}  // namespace

std::unique_ptr<Node> Parse(const std::vector<Token>& tokens, const LiteralRules& rules) {
  return Parser(tokens, rules).Line();
}

}  // namespace utcalc
