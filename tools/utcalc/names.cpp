#include "names.h"

#include <cctype>

#include "ascii_case.h"
#include "calc_error.h"

namespace utcalc {

namespace {

constexpr const char* kAnswer = "ans";
// Words the session reads itself, which a name would hide.
constexpr const char* kKeywords[] = {"ans", "in", "help", "quit", "exit"};

std::string LowerCase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

bool IsIdentifier(const std::string& word) {
  return word.find("__") == std::string::npos && !word.ends_with('_');
}

// What the word already is, for the error when a line tries to define it.
std::string WhatItIs(const Token& token) {
  switch (token.kind) {
    case TokenKind::Unit:
    case TokenKind::FrequencyUnit: return "a unit";
    case TokenKind::Operator: return "an operator";
    case TokenKind::In: return "a keyword";
    case TokenKind::Name: break;
    default: return "not a name";
  }
  for (const char* keyword : kKeywords) {
    if (EqualsIgnoringCase(token.text, keyword)) return "a keyword";
  }
  return IsIdentifier(token.text) ? "" : "not a name (letters, digits, single '_' between them)";
}

}  // namespace

std::optional<std::string> Names::TakeDefinition(std::vector<Token>& tokens) {
  if (tokens.size() < 2 || tokens[1].kind != TokenKind::Assign) return std::nullopt;
  const Token& name = tokens[0];
  if (const std::string what = WhatItIs(name); !what.empty()) {
    const std::string quoted = name.kind == TokenKind::Operator ? OperatorText(name.op) : name.text;
    throw CalcError{name.column, "cannot define '" + quoted + "': " + what};
  }
  std::string defined = LowerCase(name.text);
  tokens.erase(tokens.begin(), tokens.begin() + 2);
  if (tokens.front().kind == TokenKind::End) {
    throw CalcError{tokens.front().column, "expected an expression after ':='"};
  }
  return defined;
}

void Names::Resolve(std::vector<Token>& tokens) const {
  for (Token& token : tokens) {
    if (token.kind != TokenKind::Name) continue;
    const std::string name = LowerCase(token.text);
    if (name == kAnswer) {
      if (!answer_) throw CalcError{token.column, "no result yet for 'ans'"};
      token.named = answer_;
    } else if (const auto found = values_.find(name); found != values_.end()) {
      token.named = found->second;
    } else {
      throw CalcError{token.column, "unknown word '" + token.text + "'"};
    }
  }
}

}  // namespace utcalc
