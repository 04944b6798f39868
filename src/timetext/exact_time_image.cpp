#include "timetext/exact_time_image.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "time/time_internals.h"
#include "timetext/time_units.h"

namespace universaltypes::detail {

namespace {

constexpr std::uint32_t kChunk = 100000000u;  // eight digits
constexpr int kChunkDigits = 8;
// Four chunks hold the 29 digits of 2^96 - 1.
constexpr int kMaxChunks = 4;
constexpr int kDigitsEnd = kMaxChunks * kChunkDigits;
// Digits are copied in one fixed block, which the compiler turns into a few
// wide moves instead of a call: never more than 29 digits go at once.
constexpr int kBlock = 32;

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// A magnitude below 2^96 as high * 2^64 + low.
struct Ticks96 {
  std::uint32_t high;
  std::uint64_t low;
};

// The digits of a magnitude end at text + kDigitsEnd; a block of zero bytes
// follows, so a block copy from any digit reads only the array.
struct TickDigits {
  char text[kDigitsEnd + kBlock];
  int count;
  const char* begin() const { return text + kDigitsEnd - count; }
};

// The magnitude and sign of a time the exact route can print: offset 0.0
// (either zero), a count that is exactly its words' digit count (so no stray
// word and no wild count), and a sign of +1 or -1. On such a record
// "ticks < 0", which the division route asks, is the sign alone, a negative
// zero's included: both routes print it as "-0".
bool ReadPlainTicks(const UniversalTime& time, Ticks96& magnitude, bool& negative) {
  if (TimeInternals::Offset(time) != 0.0) return false;
  const UniversalInteger& ticks = TimeInternals::Ticks(time);
  const std::uint32_t* words = IntegerInternals::Words(ticks);
  const std::int16_t count = IntegerInternals::Count(ticks);
  const std::int16_t sign = IntegerInternals::Sign(ticks);
  if (count != IntegerInternals::CountFromWords(words)) return false;
  if (sign != IntegerInternals::kPlus && sign != IntegerInternals::kMinus) return false;
  negative = sign == IntegerInternals::kMinus;
  magnitude = {words[2], std::uint64_t{words[1]} << 32 | words[0]};
  return true;
}

void WritePair(std::uint32_t pair, char* out) { std::memcpy(out, kDigitPairs + 2 * pair, 2); }

// Exactly eight digits, leading zeros included: the four pairs depend on
// two independent halves, not on one chain of divisions by 100.
void WriteChunk(std::uint32_t chunk, char* out) {
  const std::uint32_t high = chunk / 10000u;
  const std::uint32_t low = chunk % 10000u;
  WritePair(high / 100u, out);
  WritePair(high % 100u, out + 2);
  WritePair(low / 100u, out + 4);
  WritePair(low % 100u, out + 6);
}

// Digits of a chunk below 10^8; 1 for 0.
int DigitCount(std::uint32_t chunk) {
  return 1 + (chunk >= 10u) + (chunk >= 100u) + (chunk >= 1000u) + (chunk >= 10000u) + (chunk >= 100000u) +
         (chunk >= 1000000u) + (chunk >= 10000000u);
}

// Divides by 10^8 in place a 32-bit word at a time, so no 128-bit type is
// needed; returns the remainder.
std::uint32_t DivideByChunk(Ticks96& magnitude) {
  std::uint64_t window = std::uint64_t{magnitude.high % kChunk} << 32 | magnitude.low >> 32;
  magnitude.high /= kChunk;
  const std::uint64_t upper = window / kChunk;
  window = (window % kChunk) << 32 | (magnitude.low & 0xFFFFFFFFu);
  magnitude.low = upper << 32 | window / kChunk;
  return static_cast<std::uint32_t>(window % kChunk);
}

// The chunks, least significant first: the words above 64 bits go a chunk
// at a time, the rest, the only part most times have, in 64-bit arithmetic.
// A magnitude below 2^96 has at most kMaxChunks. Returns their number.
int SplitIntoChunks(Ticks96 magnitude, std::uint32_t (&chunks)[kMaxChunks]) {
  int count = 0;
  while (magnitude.high != 0) chunks[count++] = DivideByChunk(magnitude);
  std::uint64_t rest = magnitude.low;
  for (; rest >= kChunk; rest /= kChunk) chunks[count++] = static_cast<std::uint32_t>(rest % kChunk);
  chunks[count++] = static_cast<std::uint32_t>(rest);
  return count;
}

void WriteDigits(const Ticks96& magnitude, TickDigits& digits) {
  std::uint32_t chunks[kMaxChunks];
  const int chunkCount = SplitIntoChunks(magnitude, chunks);
  std::memset(digits.text + kDigitsEnd, 0, kBlock);
  for (int chunk = 0; chunk < chunkCount; ++chunk) {
    WriteChunk(chunks[chunk], digits.text + kDigitsEnd - kChunkDigits * (chunk + 1));
  }
  digits.count = kChunkDigits * (chunkCount - 1) + DigitCount(chunks[chunkCount - 1]);
}

// count digits, at most 29, as one block: the source has a block of room
// past its digits (TickDigits) and the image one past its text
// (kExactImageRoom).
char* CopyDigits(const char* from, int count, char* out) {
  std::memcpy(out, from, kBlock);
  return out + count;
}

// Zeros at the end of the digits, never counting the first digit, as
// PrintToBuffer's compaction counts them.
int TrailingZeros(const char* digits, int count) {
  int zeros = 0;
  const char* end = digits + count;
  while (zeros + kChunkDigits < count && std::memcmp(end - zeros - kChunkDigits, "00000000", 8) == 0) {
    zeros += kChunkDigits;
  }
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
  Ticks96 magnitude;
  bool negative = false;
  if (!ReadPlainTicks(time, magnitude, negative)) return false;
  TickDigits digits;
  WriteDigits(magnitude, digits);
  if (unitBySize) unit = UnitOfDigitCount(digits.count);
  if (negative) *out++ = '-';
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
