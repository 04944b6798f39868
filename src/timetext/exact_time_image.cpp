#include "timetext/exact_time_image.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "integer/decimal_digits.h"
#include "time/time_internals.h"
#include "timetext/image_layout.h"
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

char* WriteWhole(const char* digits, int count, int zeros, char* out) {
  return CompactTrailingZeros(CopyDigits(digits, count, out), zeros);
}

// The magnitude in units of 10^places femtoseconds, for zero and for tick
// counts of 2^64 and more: over 18,000 sec, so at least one whole unit.
char* WriteNumber(const TickDigits& digits, int places, char* out) {
  const char* text = digits.begin();
  const int count = digits.count;
  if (text[0] == '0') return WriteWhole(text, 1, 0, out);  // "0" in every unit
  const int zeros = TrailingZeros(text, count);
  if (zeros >= places) return WriteWhole(text, count - places, zeros - places, out);
  out = CopyDigits(text, count - places, out);
  *out++ = '.';
  return CopyDigits(text + count - places, places - zeros, out);
}

// The unit the size picks: the largest of fs to sec not above the magnitude.
TimeUnit UnitOfDigitCount(int count) {
  return static_cast<TimeUnit>(std::min((count - 1) / 3, int{TimeUnit_sec}));
}

// The units' names after a space, each padded to one 8-byte store with its
// terminator: the image has room past its text (kExactImageRoom).
using UnitImage = std::array<char, 8>;
constexpr std::array<UnitImage, TimeUnit_sec + 1> kUnitImages = [] {
  std::array<UnitImage, TimeUnit_sec + 1> images{};
  for (int unit = 0; unit <= TimeUnit_sec; ++unit) {
    UnitImage& image = images[static_cast<std::size_t>(unit)];
    image[0] = ' ';
    for (int index = 0; Unit(unit).text[index] != '\0'; ++index) {
      image[static_cast<std::size_t>(index) + 1] = Unit(unit).text[index];
    }
  }
  return images;
}();

void WriteUnit(TimeUnit unit, char* out) { std::memcpy(out, kUnitImages[unit].data(), sizeof(UnitImage)); }

// Femtoseconds per unit, fs to sec.
constexpr std::uint64_t UnitTicks(int unit) { return Unit(unit).femtoseconds; }

// The digits of a value below 2^64, as WriteDecimalDigits writes them.
char* WriteTickDigits(std::uint64_t value, char* out) {
  const std::uint32_t words[3] = {static_cast<std::uint32_t>(value), static_cast<std::uint32_t>(value >> 32), 0};
  return WriteDecimalDigits(words, out);
}

// 10^power, for the constants below.
constexpr std::uint64_t TenToThe(int power) {
  std::uint64_t value = 1;
  for (; power > 0; --power) value *= 10;
  return value;
}

// Less than one unit, ticks / 10^kPlaces: every digit is significant, so the
// layout alone decides the form.
template <int kPlaces>
char* WriteShortFraction(std::uint64_t ticks, char* out) {
  // The least ticks whose first digit lies at kLeastFixedExponent or above.
  constexpr std::uint64_t kLeastFixedTicks = UnitTicks(kPlaces / 3) / TenToThe(-kLeastFixedExponent);
  if (ticks >= kLeastFixedTicks) {
    *out++ = '0';
    *out++ = '.';
    return TrimFraction(WriteFixedDigits(ticks, kPlaces, out));
  }
  // The digits one place on, so the first can move before the point.
  char* const end = WriteTickDigits(ticks, out + 1);
  const int exponent = static_cast<int>(end - out - 1) - 1 - kPlaces;
  out[0] = out[1];
  out[1] = '.';
  return FinishScientific(end, exponent);
}

// Below 2^64: the quotient and remainder by the unit in machine words, each
// written straight into the image, so no digit is stored twice. The unit's
// size is a constant in each case of the switch, which makes both divisions
// multiplications.
template <TimeUnit kUnit>
char* WriteShortImage(std::uint64_t ticks, char* out) {
  constexpr int kPlaces = 3 * kUnit;
  const std::uint64_t whole = ticks / UnitTicks(kUnit);
  const std::uint64_t rest = ticks % UnitTicks(kUnit);
  if constexpr (kPlaces > 0) {
    if (whole == 0) return WriteShortFraction<kPlaces>(rest, out);
  }
  char* end = WriteTickDigits(whole, out);
  if (rest == 0) return CompactTrailingZeros(end, TrailingZeros(out, static_cast<int>(end - out)));
  *end++ = '.';
  return TrimFraction(WriteFixedDigits(rest, kPlaces, end));
}

// Inline: 8 instructions fewer per image ('image in automatic unit').
inline char* WriteShortImage(std::uint64_t ticks, TimeUnit unit, char* out) {
  switch (unit) {
    case TimeUnit_fs: return WriteShortImage<TimeUnit_fs>(ticks, out);
    case TimeUnit_ps: return WriteShortImage<TimeUnit_ps>(ticks, out);
    case TimeUnit_ns: return WriteShortImage<TimeUnit_ns>(ticks, out);
    case TimeUnit_us: return WriteShortImage<TimeUnit_us>(ticks, out);
    case TimeUnit_ms: return WriteShortImage<TimeUnit_ms>(ticks, out);
    default: return WriteShortImage<TimeUnit_sec>(ticks, out);
  }
}

// The unit the size of ticks (below 2^64, not zero) picks.
TimeUnit UnitOfTicks(std::uint64_t ticks) {
  int unit = TimeUnit_fs;
  while (unit < TimeUnit_sec && ticks >= UnitTicks(unit + 1)) ++unit;
  return static_cast<TimeUnit>(unit);
}

bool WriteImage(const UniversalTime& time, bool unitBySize, TimeUnit unit, char* out) {
  std::uint32_t magnitude[3];
  if (!ReadPlainTicks(time, magnitude)) return false;
  const std::uint64_t ticks = std::uint64_t{magnitude[1]} << 32 | magnitude[0];
  if (magnitude[2] == 0 && ticks != 0) {
    if (unitBySize) unit = UnitOfTicks(ticks);
    WriteUnit(unit, WriteShortImage(ticks, unit, out));
    return true;
  }
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
