// Where a literal ends in a line of text, for the calculator's lexer and the
// exact layer's literal parser alike. Numbers are taken whole as the
// library's literal grammar writes them (digits, letters of based digits,
// '_', '#', '.', an exponent's sign); whether the text is a valid literal is
// for the library's parser to say.
#ifndef UNIVERSALTYPES_LITERAL_EXTENT_H
#define UNIVERSALTYPES_LITERAL_EXTENT_H

#include <cstddef>
#include <string_view>

#include "universaltypes_exact.h"

namespace utx {

UTX_API_EXPORT bool IsLiteralSpace(char c);
// The index past the number text that starts at start.
UTX_API_EXPORT std::size_t NumberEnd(std::string_view text, std::size_t start);
// The index past the letters, digits and '_' from start.
UTX_API_EXPORT std::size_t WordEnd(std::string_view text, std::size_t start);
// The index in the library's unit table of a unit name of time literals
// ("ns", "SEC": any case, as the library's parser reads one); -1 for any
// other word.
UTX_API_EXPORT int TimeUnitNamed(std::string_view word);
UTX_API_EXPORT bool IsTimeUnitName(std::string_view word);
// The index past white space and a unit name that follow a number ending at
// numberEnd; numberEnd itself where no unit name follows.
UTX_API_EXPORT std::size_t TimeLiteralEnd(std::string_view text, std::size_t numberEnd);

}  // namespace utx

#endif
