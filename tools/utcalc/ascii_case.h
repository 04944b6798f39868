// Unit names and keywords are ASCII and match without regard to case.
#ifndef UTCALC_ASCII_CASE_H
#define UTCALC_ASCII_CASE_H

#include <cctype>
#include <string_view>

namespace utcalc {

// lowerCaseName is written in lower case.
inline bool EqualsIgnoringCase(std::string_view text, std::string_view lowerCaseName) {
  if (text.size() != lowerCaseName.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(text[i])) != lowerCaseName[i]) return false;
  }
  return true;
}

}  // namespace utcalc

#endif
