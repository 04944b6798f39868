#include "literals.h"

#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>

#include "calc_error.h"
#include "exact_values.h"
#include "frequency_units.h"
#include "literal_extent.h"
#include "universaltypes/time_text.h"

namespace utcalc {

namespace {

bool IsBased(std::string_view text) { return text.find('#') != std::string_view::npos; }

bool IsExponentMark(char c) { return c == 'e' || c == 'E'; }

// A point anywhere, or an exponent mark (after the closing '#' of a based
// number, where 'E' is no digit).
bool IsReal(std::string_view text) {
  if (text.find('.') != std::string_view::npos) return true;
  const std::size_t lastHash = text.rfind('#');
  const std::string_view tail = lastHash == std::string_view::npos ? text : text.substr(lastHash);
  return tail.find_first_of("eE") != std::string_view::npos;
}

// Digits with single underscores between them, from index; npos if none.
std::size_t DigitRunEnd(std::string_view text, std::size_t index) {
  const auto isDigit = [&](std::size_t i) {
    return i < text.size() && text[i] >= '0' && text[i] <= '9';
  };
  if (!isDigit(index)) return std::string_view::npos;
  while (isDigit(index) || (index < text.size() && text[index] == '_' && isDigit(index + 1)))
    ++index;
  return index;
}

bool IsDecimalReal(std::string_view text) {
  std::size_t index = DigitRunEnd(text, 0);
  if (index != std::string_view::npos && index < text.size() && text[index] == '.') {
    index = DigitRunEnd(text, index + 1);
  }
  if (index != std::string_view::npos && index < text.size() && IsExponentMark(text[index])) {
    ++index;
    if (index < text.size() && (text[index] == '+' || text[index] == '-')) ++index;
    index = DigitRunEnd(text, index);
  }
  return index == text.size();
}

class Reader {
 public:
  Reader(const Token& token, bool basedLiteralsAllowed)
      : token_(token), basedLiteralsAllowed_(basedLiteralsAllowed) {}

  Value Read() const {
    if (token_.kind == TokenKind::FrequencyLiteral || token_.kind == TokenKind::FrequencyUnit) {
      return FrequencyLiteral();
    }
    if (token_.kind != TokenKind::Number) return Parse(token_.text);
    if (!IsReal(token_.text)) return Parse(token_.text + " fs").UniversalToPhysicalTime();
    return IsBased(token_.text) ? BasedReal() : DecimalReal();
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
    if (!basedLiteralsAllowed_ && IsBased(text)) Refuse("based literals are switched off");
    Refuse("not a literal");
  }

  // Read as femtoseconds with the fraction kept in the offset, whatever the
  // analog flag says for times; exact up to the double sum of the two parts.
  RealValue BasedReal() const {
    struct AnalogForRead {
      bool saved = UniversalTime::Get_AnalogExists();
      AnalogForRead() { UniversalTime::Set_AnalogExists(true); }
      ~AnalogForRead() { UniversalTime::Set_AnalogExists(saved); }
    } analog;
    const UniversalTime time = Parse(token_.text + " fs");
    return RealValue{UniversalReal(time.UniversalToPhysicalTime()) + time.Get_OffsetTime(),
                     std::nullopt};
  }

  // strtod in the C locale the calculator never leaves, and beside it the
  // exact decimal; underscores only group digits.
  RealValue DecimalReal() const {
    if (!IsDecimalReal(token_.text)) Refuse("not a literal");
    std::string digits;
    for (const char c : token_.text) {
      if (c != '_') digits += c;
    }
    const double value = std::strtod(digits.c_str(), nullptr);
    if (std::isinf(value)) Refuse("overflow beyond the range of a real");
    return RealValue{UniversalReal(value), utx::RationalFromText(digits)};
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
    const mpq_class hertz = *ExactNumber(Reader(number, basedLiteralsAllowed_).Read()) * unit;
    if (!IsWithinFrequencyRange(hertz)) Refuse("overflow beyond the frequency range");
    return Frequency{hertz};
  }

  const Token& token_;
  bool basedLiteralsAllowed_;
};

}  // namespace

Value LiteralValue(const Token& token, bool basedLiteralsAllowed) {
  return Reader(token, basedLiteralsAllowed).Read();
}

}  // namespace utcalc
