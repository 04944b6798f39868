// A session's names: "NAME := EXPR" defines one, "ans" is the last result.
// Names match without regard to case, as the language's identifiers do,
// and are written as its identifiers are (a letter, then letters, digits
// and single underscores between them); a unit, an operator or a keyword
// is no name.
#ifndef UTCALC_NAMES_H
#define UTCALC_NAMES_H

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "token.h"
#include "value.h"

namespace utcalc {

class Names {
 public:
  // Removes a leading "NAME :=" from tokens and returns the name, in
  // lower case; throws CalcError for a word that cannot be defined.
  static std::optional<std::string> TakeDefinition(std::vector<Token>& tokens);

  // Gives every name token its value; throws CalcError for an unknown one.
  void Resolve(std::vector<Token>& tokens) const;

  void Define(const std::string& name, const Value& value) { values_.insert_or_assign(name, value); }
  void Answer(const Value& value) { answer_ = value; }

 private:
  std::map<std::string, Value> values_;
  std::optional<Value> answer_;
};

}  // namespace utcalc

#endif
