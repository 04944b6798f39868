// The decimal and hexadecimal images of a UniversalReal.
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "universaltypes/universal_real.h"

void UniversalReal::ToString(char* buffer, int precision) const {
  if (buffer == nullptr) return;
  // printf's rule: a negative precision is as if none were given. Past 1000
  // digits a double has only zeros left to show; the text stops there.
  if (precision < 0) precision = 6;
  if (precision > 1000) precision = 1000;
  // to_chars is locale-independent: a host's setlocale cannot turn the point
  // into a comma. The area holds "-d.", 1000 digits and "e-308".
  char text[1016];
  const auto [end, error] =
      std::to_chars(text, text + sizeof text - 1, _value, std::chars_format::scientific, precision);
  *(error == std::errc{} ? end : text) = '\0';
  std::strcpy(buffer, text);
}

void UniversalReal::ToHexString(char* buffer) const {
  if (buffer == nullptr) return;
  // The bit pattern as one 64-bit number: the text is the same whichever
  // order the two halves lie in memory.
  const auto bits = std::bit_cast<std::uint64_t>(_value);
  std::snprintf(buffer, 17, "%08lx%08lx", static_cast<unsigned long>(bits >> 32),
                static_cast<unsigned long>(bits & 0xFFFFFFFFu));
}
