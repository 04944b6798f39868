// Decimal digits of a 96-bit magnitude, fmt-style: the magnitude is cut into
// chunks of nine digits (at most four), and each chunk is written two digits
// at a time from a table of digit pairs. No division per digit. Below 2^64
// the chunks come from two quotients by constants (10^9 and 10^18), which the
// compiler turns into multiplications; above it, a chunk or two come first
// from word-by-word division by 10^9.
#ifndef UNIVERSALTYPES_SRC_INTEGER_DECIMAL_DIGITS_H
#define UNIVERSALTYPES_SRC_INTEGER_DECIMAL_DIGITS_H

#include <cstdint>

namespace universaltypes::detail {

// At most 29 digits (2^96 - 1 is 79228162514264337593543950335).
inline constexpr int kMaxDecimalDigits = 29;

// "00" to "99": two digits at a time, without a division per digit.
inline constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Writes the digits of words[2]:words[1]:words[0] at out, without leading
// zeros ("0" for zero) and without a terminator; returns the end.
char* WriteDecimalDigits(const std::uint32_t (&words)[3], char* out);

// Writes exactly count digits of value, leading zeros included, at out:
// value below 10^count, count at most 18. Returns the end.
char* WriteFixedDigits(std::uint64_t value, int count, char* out);

}  // namespace universaltypes::detail

#endif
