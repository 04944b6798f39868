// The fixed-width hexadecimal image of a UniversalInteger: every value gives
// 24 digits, whatever its digit count.
#include "integer/integer_internals.h"

void UniversalInteger::ToHexString(char* buffer) const {
  if (buffer == nullptr) return;
  static constexpr char kHexDigits[] = "0123456789abcdef";
  char* out = buffer;
  if (_sign == -1) *out++ = '-';
  for (int word = 2; word >= 0; --word) {
    for (int shift = 28; shift >= 0; shift -= 4) *out++ = kHexDigits[(_words[word] >> shift) & 0xFu];
  }
  *out = '\0';
}
