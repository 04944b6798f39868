#include "literal_extent.h"

#include <algorithm>

#include "timetext/digit_runs.h"
#include "timetext/literal_text.h"
#include "timetext/unit_table.h"

namespace utx {

namespace {

char At(std::string_view text, std::size_t index) {
  return index < text.size() ? text[index] : '\0';
}
// ASCII letters only, whatever the locale: the literal grammar's letters.
bool IsLetter(char c) { return universaltypes::detail::AsciiLower(c) >= 'a' && universaltypes::detail::AsciiLower(c) <= 'z'; }
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

int TimeUnitNamed(std::string_view word) {
  using universaltypes::detail::AsciiLower;
  using universaltypes::detail::kUnitCount;
  using universaltypes::detail::kUnits;
  for (int unit = 0; unit < kUnitCount; ++unit) {
    const std::string_view name = kUnits[unit].text;
    if (name.size() == word.size() &&
        std::equal(name.begin(), name.end(), word.begin(), [](char a, char b) { return a == AsciiLower(b); })) {
      return unit;
    }
  }
  return -1;
}

bool IsTimeUnitName(std::string_view word) { return TimeUnitNamed(word) >= 0; }

std::size_t TimeLiteralEnd(std::string_view text, std::size_t numberEnd) {
  std::size_t unitStart = numberEnd;
  while (IsLiteralSpace(At(text, unitStart))) ++unitStart;
  if (unitStart == numberEnd) return numberEnd;
  const std::size_t unitEnd = WordEnd(text, unitStart);
  return IsTimeUnitName(text.substr(unitStart, unitEnd - unitStart)) ? unitEnd : numberEnd;
}

}  // namespace utx
