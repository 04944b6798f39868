// Decimal images of a UniversalInteger: the shared-buffer image and
// PrintToBuffer's integer-plus-fraction form.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#include "integer/decimal_digits.h"
#include "integer/integer_internals.h"

using universaltypes::detail::CompactTrailingZeros;
using universaltypes::detail::TrailingZeros;
using universaltypes::detail::WriteDecimalDigits;

namespace {

// Shared by every call and thread: the image stays until the next call.
char decimalImage[4096];

// Fraction texts live in 64 characters, the NUL included, so a caller's
// precision can never push them further.
constexpr int kFractionArea = 64;

// The magnitude words a digit count covers; stray words a host left beyond
// the count do not show.
void CoveredWords(const UniversalInteger& value, std::uint32_t (&words)[3]) {
  const int covered = IntegerInternals::CoveredWords(IntegerInternals::Count(value));
  for (int word = 0; word < 3; ++word) {
    words[word] = word < covered ? IntegerInternals::Words(value)[word] : 0u;
  }
}

char* WriteMagnitude(const UniversalInteger& value, char* out) {
  std::uint32_t words[3];
  CoveredWords(value, words);
  return WriteDecimalDigits(words, out);
}

// printf's "%.*f" (fixed) or "%.*g" (general) of a fraction, in the C locale,
// clipped to the fraction area. A text that cannot fit (a fraction far
// outside [0, 1)) comes out as "0".
void FormatFraction(double fraction, int precision, std::chars_format format, char (&text)[kFractionArea]) {
  if (precision < 0) precision = 6;
  // A NaN or infinite fraction has no digits to show.
  if (!std::isfinite(fraction)) fraction = 0.0;
  // "0." plus the digits (fixed), or "d." plus digits plus "e-308" (general).
  precision = std::min(precision, format == std::chars_format::fixed ? kFractionArea - 3 : kFractionArea - 9);
  const auto [end, error] = std::to_chars(text, text + kFractionArea - 1, fraction, format, precision);
  if (error != std::errc{}) {
    std::strcpy(text, "0");
    return;
  }
  *end = '\0';
}

// Drops trailing '0' and '.' characters, never the first character.
void TrimTrailingZeros(char* text) {
  std::size_t length = std::strlen(text);
  while (length > 1 && (text[length - 1] == '0' || text[length - 1] == '.')) text[--length] = '\0';
}

}  // namespace

UniversalInteger::operator const char*() const {
  char* out = decimalImage;
  if (_sign == -1) *out++ = '-';
  *WriteMagnitude(*this, out) = '\0';
  return decimalImage;
}

void UniversalInteger::PrintToBuffer(char* buffer, double fraction, int precision) const {
  if (buffer == nullptr) return;
  UniversalInteger whole = *this;
  char* out = buffer;
  // An integer part of zero magnitude is +0, whatever its sign field says.
  if (_sign == -1 && !IntegerInternals::HasZeroMagnitude(*this)) {
    *out++ = '-';
    // I + f with I < 0 prints as -((|I| - 1) + (1 - f)).
    if (fraction != 0.0) {
      whole = whole + _one;
      fraction = std::fabs(fraction - 1.0);
    }
  }
  whole._sign = 1;

  if (fraction == 0.0) {
    char* end = WriteMagnitude(whole, out);
    *CompactTrailingZeros(end, TrailingZeros(buffer, static_cast<int>(end - buffer))) = '\0';
    return;
  }
  char text[kFractionArea];
  if (IntegerInternals::HasZeroMagnitude(whole)) {
    FormatFraction(fraction, precision, std::chars_format::general, text);
    std::strcpy(out, text);
    return;
  }
  FormatFraction(fraction, precision, std::chars_format::fixed, text);
  TrimTrailingZeros(text);
  // The fraction rounded up to 1 at this precision: carry into the integer.
  if (text[0] != '0') whole += _one;
  out = WriteMagnitude(whole, out);
  std::strcpy(out, text + 1);
}
