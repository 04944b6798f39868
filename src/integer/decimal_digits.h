// Decimal digits of a 96-bit magnitude, fmt-style: the magnitude is cut into
// chunks of nine digits (at most four), and each chunk is written two digits
// at a time from a table of digit pairs. No division per digit. Below 2^64
// the chunks come from two quotients by constants (10^9 and 10^18), which the
// compiler turns into multiplications; above it, a chunk or two come first
// from word-by-word division by 10^9.
#ifndef UNIVERSALTYPES_SRC_INTEGER_DECIMAL_DIGITS_H
#define UNIVERSALTYPES_SRC_INTEGER_DECIMAL_DIGITS_H

#include <cstdint>
#include <cstring>

namespace universaltypes::detail {

// At most 29 digits (2^96 - 1 is 79228162514264337593543950335).
inline constexpr int kMaxDecimalDigits = 29;

// "00" to "99": two digits at a time, without a division per digit.
inline constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// The two digits of pair (below 100) at out.
inline void WritePair(std::uint32_t pair, char* out) { std::memcpy(out, kDigitPairs + 2 * pair, 2); }

// The layout of a whole number in every decimal image (integers' and
// times'): zeros at the end of its digits, never counting the first digit,
// and more than six of them written as "e+N" (N at most 28, as 2^96 has 29
// digits). Byte by byte: the digits were just stored two at a time, and a
// wider load across those stores would wait for them to reach the cache.
inline int TrailingZeros(const char* digits, int count) {
  int zeros = 0;
  const char* end = digits + count;
  while (zeros + 1 < count && end[-zeros - 1] == '0') ++zeros;
  return zeros;
}
// The digits just written before end, zeros of them at the end, compacted;
// returns the new end (no terminator written).
inline char* CompactTrailingZeros(char* end, int zeros) {
  if (zeros <= 6) return end;
  end -= zeros;
  *end++ = 'e';
  *end++ = '+';
  if (zeros >= 10) {
    WritePair(static_cast<std::uint32_t>(zeros), end);
    return end + 2;
  }
  *end++ = static_cast<char>('0' + zeros);
  return end;
}

// Writes the digits of words[2]:words[1]:words[0] at out, without leading
// zeros ("0" for zero) and without a terminator; returns the end.
char* WriteDecimalDigits(const std::uint32_t (&words)[3], char* out);

// Writes exactly count digits of value, leading zeros included, at out:
// value below 10^count, count at most 18. Returns the end.
char* WriteFixedDigits(std::uint64_t value, int count, char* out);

}  // namespace universaltypes::detail

#endif
