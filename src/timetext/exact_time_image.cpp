#include "timetext/exact_time_image.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "integer/decimal_digits.h"
#include "time/time_internals.h"
#include "timetext/time_units.h"

namespace universaltypes::detail {

namespace {

// Digits are copied in one fixed block, which the compiler turns into a few
// wide moves instead of a call: never more than 29 digits go at once.
constexpr int kBlock = 32;

// The digits of a magnitude from text on; a block of zero bytes follows, so
// a block copy from any digit reads only the array.
struct TickDigits {
  char text[kMaxDecimalDigits + kBlock];
  int count;
  const char* begin() const { return text; }
};

// The magnitude of a time the exact route can print: offset 0.0 (either
// zero), a count that is exactly its words' digit count (so no stray word
// and no wild count), and a sign of +1. The sign of an image is decided
// before either route runs; what reaches them is not below zero.
bool ReadPlainTicks(const UniversalTime& time, std::uint32_t (&magnitude)[3]) {
  if (TimeInternals::Offset(time) != 0.0) return false;
  const UniversalInteger& ticks = TimeInternals::Ticks(time);
  const std::uint32_t* words = IntegerInternals::Words(ticks);
  if (IntegerInternals::Count(ticks) != IntegerInternals::CountFromWords(words)) return false;
  if (IntegerInternals::Sign(ticks) != IntegerInternals::kPlus) return false;
  std::copy(words, words + 3, magnitude);
  return true;
}

void WritePair(std::uint32_t pair, char* out) { std::memcpy(out, kDigitPairs + 2 * pair, 2); }

void WriteDigits(const std::uint32_t (&magnitude)[3], TickDigits& digits) {
  char* const end = WriteDecimalDigits(magnitude, digits.text);
  std::memset(end, 0, kBlock);
  digits.count = static_cast<int>(end - digits.text);
}

// count digits, at most 29, as one block: the source has a block of room
// past its digits (TickDigits) and the image one past its text
// (kExactImageRoom).
char* CopyDigits(const char* from, int count, char* out) {
  std::memcpy(out, from, kBlock);
  return out + count;
}

// Zeros at the end of the digits, never counting the first digit, as
// PrintToBuffer's compaction counts them. Byte by byte: the digits were just
// stored two at a time, and a wider load across those stores would wait for
// them to reach the cache.
int TrailingZeros(const char* digits, int count) {
  int zeros = 0;
  const char* end = digits + count;
  while (zeros + 1 < count && end[-zeros - 1] == '0') ++zeros;
  return zeros;
}

// A whole number of units; more than six trailing zeros become "e+N", N at
// most 28.
char* WriteWhole(const char* digits, int count, int zeros, char* out) {
  if (zeros <= 6) return CopyDigits(digits, count, out);
  out = CopyDigits(digits, count - zeros, out);
  *out++ = 'e';
  *out++ = '+';
  if (zeros >= 10) {
    WritePair(static_cast<std::uint32_t>(zeros), out);
    return out + 2;
  }
  *out++ = static_cast<char>('0' + zeros);
  return out;
}

// Less than one unit: printf's %g, whose precision covers every digit, so
// only its choice of form is left: scientific below 10^-4, its exponent
// with two digits at least ("1e-06").
char* WriteFractionAlone(const char* digits, int count, int places, int zeros, char* out) {
  const int significant = count - zeros;
  const int exponent = places - count + 1;  // digits[0] stands for 10^-exponent
  if (exponent > 4) {
    *out++ = digits[0];
    if (significant > 1) {
      *out++ = '.';
      out = CopyDigits(digits + 1, significant - 1, out);
    }
    *out++ = 'e';
    *out++ = '-';
    WritePair(static_cast<std::uint32_t>(exponent), out);
    return out + 2;
  }
  *out++ = '0';
  *out++ = '.';
  for (int zero = 1; zero < exponent; ++zero) *out++ = '0';
  return CopyDigits(digits, significant, out);
}

// The magnitude in units of 10^places femtoseconds.
char* WriteNumber(const TickDigits& digits, int places, char* out) {
  const char* text = digits.begin();
  const int count = digits.count;
  if (text[0] == '0') return WriteWhole(text, 1, 0, out);  // "0" in every unit
  const int zeros = TrailingZeros(text, count);
  if (zeros >= places) return WriteWhole(text, count - places, zeros - places, out);
  if (count <= places) return WriteFractionAlone(text, count, places, zeros, out);
  out = CopyDigits(text, count - places, out);
  *out++ = '.';
  return CopyDigits(text + count - places, places - zeros, out);
}

// The unit the size picks: the largest of fs to sec not above the magnitude.
TimeUnit UnitOfDigitCount(int count) {
  return static_cast<TimeUnit>(std::min((count - 1) / 3, int{TimeUnit_sec}));
}

// The unit's name after a space, the terminator included: at most five
// characters, not worth a call.
void WriteUnit(TimeUnit unit, char* out) {
  *out++ = ' ';
  for (const char* name = UnitText(unit); (*out++ = *name) != '\0'; ++name) {
  }
}

bool WriteImage(const UniversalTime& time, bool unitBySize, TimeUnit unit, char* out) {
  std::uint32_t magnitude[3];
  if (!ReadPlainTicks(time, magnitude)) return false;
  TickDigits digits;
  WriteDigits(magnitude, digits);
  if (unitBySize) unit = UnitOfDigitCount(digits.count);
  WriteUnit(unit, WriteNumber(digits, 3 * unit, out));
  return true;
}

}  // namespace

bool WriteExactImage(const UniversalTime& time, TimeUnit unit, char* out) {
  return unit >= TimeUnit_fs && unit <= TimeUnit_sec && WriteImage(time, false, unit, out);
}

bool WriteExactImageInUnitBySize(const UniversalTime& time, char* out) {
  return WriteImage(time, true, TimeUnit_fs, out);
}

}  // namespace universaltypes::detail
