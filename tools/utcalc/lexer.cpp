#include "lexer.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>

#include "ascii_case.h"
#include "calc_error.h"
#include "frequency_units.h"
#include "literal_extent.h"
#include "unit_names.h"

namespace utcalc {

namespace {

// Every token of a line is held until the line is evaluated: the bound
// keeps a line's memory and time small (a few megabytes, well under a
// second), whatever its length.
constexpr std::size_t kMostTokens = 1 << 16;

bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }
bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

class Lexer {
 public:
  explicit Lexer(std::string_view line) : line_(line) {}

  std::vector<Token> Run() {
    // A token takes at least one character: room for all of them up front,
    // so that the vector never copies its tokens to grow.
    std::vector<Token> tokens;
    tokens.reserve(std::min(line_.size(), kMostTokens) + 1);
    for (SkipSpace(); position_ < line_.size() && !AtComment(); SkipSpace()) {
      if (tokens.size() == kMostTokens) {
        throw CalcError{Column(position_), "a line holds at most " + std::to_string(kMostTokens) +
                                               " tokens: split the expression over lines "
                                               "with names ('s := ...', then 's + ...')"};
      }
      tokens.push_back(Next());
    }
    tokens.push_back({TokenKind::End, "end of line", Column(position_)});
    return tokens;
  }

 private:
  char At(std::size_t index) const { return index < line_.size() ? line_[index] : '\0'; }
  int Column(std::size_t index) const { return static_cast<int>(index) + 1; }
  // A literal never holds "--" (an exponent's sign is followed by a digit),
  // so a comment can only start where a token would.
  bool AtComment() const { return At(position_) == '-' && At(position_ + 1) == '-'; }
  void SkipSpace() {
    while (utx::IsLiteralSpace(At(position_))) ++position_;
  }

  Token Next() {
    const char c = At(position_);
    if (IsDigit(c) || c == '#' || c == '.') return NumberOrTimeLiteral();
    if (IsLetter(c)) return Word();
    return Punctuation();
  }

  Token NumberOrTimeLiteral() {
    const std::size_t start = position_;
    const std::size_t end = utx::NumberEnd(line_, start);
    RefuseAttachedUnit(start, end);
    position_ = utx::TimeLiteralEnd(line_, end);
    TokenKind kind = position_ > end ? TokenKind::TimeLiteral : TokenKind::Number;
    if (kind == TokenKind::Number && FrequencyLiteralEnd(end) > end) {
      position_ = FrequencyLiteralEnd(end);
      kind = TokenKind::FrequencyLiteral;
    }
    return {kind, std::string(line_.substr(start, position_ - start)), Column(start)};
  }

  // As a time literal's end: white space and a frequency unit after the
  // number, else numberEnd.
  std::size_t FrequencyLiteralEnd(std::size_t numberEnd) const {
    std::size_t unitStart = numberEnd;
    while (utx::IsLiteralSpace(At(unitStart))) ++unitStart;
    if (unitStart == numberEnd) return numberEnd;
    const std::size_t unitEnd = utx::WordEnd(line_, unitStart);
    return FrequencyUnitNamed(line_.substr(unitStart, unitEnd - unitStart)) ? unitEnd : numberEnd;
  }

  // '10ns' and '16#FF#ns': the letters that end the number text name a
  // unit and follow a digit or a '#'.
  void RefuseAttachedUnit(std::size_t start, std::size_t end) const {
    std::size_t letters = end;
    while (letters > start && IsLetter(At(letters - 1))) --letters;
    if (letters == start || letters == end) return;
    if (!IsDigit(At(letters - 1)) && At(letters - 1) != '#') return;
    const std::string_view unit = line_.substr(letters, end - letters);
    if (!UnitNamed(unit) && !FrequencyUnitNamed(unit)) return;
    throw CalcError{Column(letters), "unit not separated from its number: '" +
                                         std::string(line_.substr(start, end - start)) + "'"};
  }

  Token Word() {
    const std::size_t start = position_;
    position_ = utx::WordEnd(line_, start);
    const std::string word(line_.substr(start, position_ - start));
    if (UnitNamed(word)) return {TokenKind::Unit, word, Column(start)};
    if (FrequencyUnitNamed(word)) return {TokenKind::FrequencyUnit, word, Column(start)};
    if (EqualsIgnoringCase(word, "in")) return {TokenKind::In, word, Column(start)};
    for (const Operator op : {Operator::Rem, Operator::Mod, Operator::Div, Operator::Abs}) {
      if (EqualsIgnoringCase(word, OperatorText(op))) {
        return {TokenKind::Operator, word, Column(start), op};
      }
    }
    return {TokenKind::Name, word, Column(start)};
  }

  Token Punctuation() {
    const std::size_t start = position_;
    const char c = At(position_++);
    const auto followedBy = [&](char next) {
      if (At(position_) != next) return false;
      ++position_;
      return true;
    };
    switch (c) {
      case '(': return {TokenKind::LeftParenthesis, "(", Column(start)};
      case ')': return {TokenKind::RightParenthesis, ")", Column(start)};
      case ':':
        if (followedBy('=')) return {TokenKind::Assign, ":=", Column(start)};
        break;
      case '+': return OperatorToken(start, Operator::Plus);
      case '-': return OperatorToken(start, Operator::Minus);
      case '*': return OperatorToken(start, Operator::Times);
      case '=': return OperatorToken(start, Operator::Equal);
      case '/':
        return OperatorToken(start, followedBy('=') ? Operator::NotEqual : Operator::Divide);
      case '<': return OperatorToken(start, followedBy('=') ? Operator::LessEqual : Operator::Less);
      case '>':
        return OperatorToken(start, followedBy('=') ? Operator::GreaterEqual : Operator::Greater);
      default: break;
    }
    throw CalcError{Column(start), "unexpected character " + Describe(c)};
  }

  Token OperatorToken(std::size_t start, Operator op) const {
    return {TokenKind::Operator, OperatorText(op), Column(start), op};
  }

  // Bytes that would not print are named by their code.
  static std::string Describe(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (std::isprint(byte)) return std::string("'") + c + "'";
    char code[8];
    std::snprintf(code, sizeof code, "0x%02X", byte);
    return std::string("byte ") + code;
  }

  std::string_view line_;
  std::size_t position_ = 0;
};

}  // namespace

std::vector<Token> Tokenize(std::string_view line) { return Lexer(line).Run(); }

}  // namespace utcalc
