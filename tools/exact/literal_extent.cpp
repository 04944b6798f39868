#include "literal_extent.h"

#include <cctype>
#include <string>

#include "timetext/digit_runs.h"
#include "universaltypes/time_text.h"

namespace utx {

namespace {

char At(std::string_view text, std::size_t index) {
  return index < text.size() ? text[index] : '\0';
}
bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }
bool IsHexDigit(char c) { return universaltypes::detail::DigitOf(c) < 16; }
bool IsWordCharacter(char c) { return IsLetter(c) || universaltypes::detail::IsAsciiDigit(c) || c == '_'; }
bool IsNumberCharacter(char c) { return IsWordCharacter(c) || c == '#' || c == '.'; }

}  // namespace

bool IsLiteralSpace(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// An exponent's sign belongs to the number: '1e-3', '16#1#E+A'.
std::size_t NumberEnd(std::string_view text, std::size_t index) {
  while (IsNumberCharacter(At(text, index)) ||
         ((At(text, index) == '+' || At(text, index) == '-') && index > 0 &&
          (At(text, index - 1) == 'e' || At(text, index - 1) == 'E') &&
          IsHexDigit(At(text, index + 1)))) {
    ++index;
  }
  return index;
}

std::size_t WordEnd(std::string_view text, std::size_t index) {
  while (IsWordCharacter(At(text, index))) ++index;
  return index;
}

// A unit name alone is a literal of one unit, and no other word is one.
bool IsTimeUnitName(std::string_view word) {
  if (word.empty() || !IsLetter(word[0]) || WordEnd(word, 0) != word.size()) return false;
  UTypes_StatusCode status = UTypes_OK;
  TimeValueFromTimeString(std::string(word).c_str(), status);
  return status == UTypes_OK;
}

std::size_t TimeLiteralEnd(std::string_view text, std::size_t numberEnd) {
  std::size_t unitStart = numberEnd;
  while (IsLiteralSpace(At(text, unitStart))) ++unitStart;
  if (unitStart == numberEnd) return numberEnd;
  const std::size_t unitEnd = WordEnd(text, unitStart);
  return IsTimeUnitName(text.substr(unitStart, unitEnd - unitStart)) ? unitEnd : numberEnd;
}

}  // namespace utx
