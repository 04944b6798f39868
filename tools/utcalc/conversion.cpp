#include "conversion.h"

#include <algorithm>

#include "calc_error.h"
#include "frequency_units.h"
#include "unit_names.h"

namespace utcalc {

std::optional<Conversion> TakeConversion(std::vector<Token>& tokens) {
  const auto in = std::find_if(tokens.begin(), tokens.end(),
                               [](const Token& token) { return token.kind == TokenKind::In; });
  if (in == tokens.end()) return std::nullopt;
  // tokens ends with End, so the token after "in" exists.
  if (in == tokens.begin()) throw CalcError{in->column, "'in' needs an expression before it"};
  const Token& unit = *(in + 1);
  if (unit.kind != TokenKind::Unit && unit.kind != TokenKind::FrequencyUnit) {
    throw CalcError{unit.column, "expected a unit after 'in'"};
  }
  if ((in + 2)->kind != TokenKind::End) {
    throw CalcError{(in + 2)->column, "'in UNIT' ends the line: nothing may follow it"};
  }
  const Conversion conversion{UnitNamed(unit.text).value_or(TimeUnit_fs),
                              FrequencyUnitNamed(unit.text), in->column};
  tokens.erase(in, in + 2);
  return conversion;
}

}  // namespace utcalc
