#include "literals.h"

#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>

#include "calc_error.h"
#include "exact_values.h"
#include "frequency_units.h"
#include "literal_extent.h"
#include "operations.h"
#include "universaltypes/time_text.h"

namespace utcalc {

namespace {

bool IsBased(std::string_view text) { return text.find('#') != std::string_view::npos; }

// A point anywhere, or an exponent mark (after the closing '#' of a based
// number, where 'E' is no digit).
bool IsReal(std::string_view text) {
  if (text.find('.') != std::string_view::npos) return true;
  const std::size_t lastHash = text.rfind('#');
  const std::string_view tail = lastHash == std::string_view::npos ? text : text.substr(lastHash);
  return tail.find_first_of("eE") != std::string_view::npos;
}

class Reader {
 public:
  Reader(const Token& token, const LiteralRules& rules) : token_(token), rules_(rules) {}

  Value Read() const {
    if (token_.kind == TokenKind::FrequencyLiteral || token_.kind == TokenKind::FrequencyUnit) {
      return FrequencyLiteral();
    }
    if (token_.kind != TokenKind::Number) {
      const UniversalTime time = Parse(token_.text);
      if (!rules_.exact) return time;
      return Exactly([&] {
        return utx::LiteralFemtoseconds(token_.text, time, UniversalTime::Get_AnalogExists());
      }, ExactTime);
    }
    if (!IsReal(token_.text)) {
      const UniversalInteger integer = Parse(token_.text + " fs").UniversalToPhysicalTime();
      if (!rules_.exact) return integer;
      return Count{mpq_class(utx::IntegerValue(integer))};
    }
    if (!IsBased(token_.text)) return DecimalReal();
    const UniversalTime time = ReadAsFemtoseconds();
    if (!rules_.exact) {
      return RealValue{UniversalReal(time.UniversalToPhysicalTime()) + time.Get_OffsetTime(),
                       std::nullopt};
    }
    return Exactly([&] { return utx::LiteralFemtoseconds(token_.text + " fs", time, true); },
                   ExactCount);
  }

 private:
  [[noreturn]] void Refuse(const std::string& reason) const {
    throw CalcError{token_.column, reason + ": '" + token_.text + "'"};
  }

  UniversalTime Parse(const std::string& text) const {
    UTypes_StatusCode status = UTypes_OK;
    try {
      const UniversalTime time = TimeValueFromTimeString(text.c_str(), status);
      if (status == UTypes_OK) return time;
    } catch (const UTypes_StatusCodeException&) {
      Refuse("overflow beyond the 96-bit range");
    }
    if (!rules_.basedLiterals && IsBased(text)) Refuse("based literals are switched off");
    Refuse("not a literal");
  }

  // An exact value by read(), made a calculator value by make (which
  // checks the range); a decimal exponent beyond the bound is refused.
  template <typename Read>
  Value Exactly(Read read, Value (*make)(const mpq_class&)) const {
    const std::optional<mpq_class> value = read();
    if (!value) Refuse("exponent beyond +-5000");
    try {
      return make(*value);
    } catch (const UTypes_StatusCodeException&) {
      Refuse("overflow beyond the 96-bit range");
    } catch (const NoExactValue& failure) {
      Refuse(failure.reason);
    }
  }

  // A based real read as femtoseconds, with the fraction kept in the offset
  // whatever the analog flag says for times: the value the record holds.
  UniversalTime ReadAsFemtoseconds() const {
    struct AnalogForRead {
      bool saved = UniversalTime::Get_AnalogExists();
      AnalogForRead() { UniversalTime::Set_AnalogExists(true); }
      ~AnalogForRead() { UniversalTime::Set_AnalogExists(saved); }
    } analog;
    return Parse(token_.text + " fs");
  }

  // Exactly, the decimal it spells. With the library's types strtod in the
  // C locale the calculator never leaves, and beside it the exact decimal.
  Value DecimalReal() const {
    if (!utx::IsDecimalLiteral(token_.text)) Refuse("not a literal");
    if (rules_.exact) {
      return Exactly([&] { return utx::DecimalLiteralValue(token_.text); }, ExactCount);
    }
    std::string digits;
    for (const char c : token_.text) {
      if (c != '_') digits += c;
    }
    const double value = std::strtod(digits.c_str(), nullptr);
    if (std::isinf(value)) Refuse("overflow beyond the range of a real");
    return RealValue{UniversalReal(value), utx::DecimalLiteralValue(token_.text)};
  }

  // The number exactly as it is spelt (a based real: its double), times
  // the unit.
  Frequency FrequencyLiteral() const {
    const std::string& text = token_.text;
    std::size_t unitStart = text.size();
    while (unitStart > 0 && !utx::IsLiteralSpace(text[unitStart - 1])) --unitStart;
    const mpq_class unit = HertzPer(*FrequencyUnitNamed(std::string_view(text).substr(unitStart)));
    if (token_.kind == TokenKind::FrequencyUnit) return Frequency{unit};
    const Token number{TokenKind::Number, text.substr(0, text.find_first_of(" \t\r")), token_.column};
    // The number alone is no count: a frequency has a range of its own.
    const LiteralRules numberRules{rules_.basedLiterals, false};
    const mpq_class hertz = *ExactNumber(Reader(number, numberRules).Read()) * unit;
    if (!IsWithinFrequencyRange(hertz)) Refuse("overflow beyond the frequency range");
    return Frequency{hertz};
  }

  const Token& token_;
  const LiteralRules& rules_;
};

}  // namespace

Value LiteralValue(const Token& token, const LiteralRules& rules) {
  return Reader(token, rules).Read();
}

}  // namespace utcalc
