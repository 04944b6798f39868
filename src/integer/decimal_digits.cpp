#include "integer/decimal_digits.h"

#include <cstring>

namespace universaltypes::detail {

namespace {

constexpr std::uint32_t kChunk = 1000000000u;

// Divides words by 10^9 in place; returns the remainder.
std::uint32_t DivideByChunk(std::uint32_t (&words)[3]) {
  std::uint64_t rest = 0;
  for (int word = 2; word >= 0; --word) {
    const std::uint64_t window = (rest << 32) | words[word];
    words[word] = static_cast<std::uint32_t>(window / kChunk);
    rest = window % kChunk;
  }
  return static_cast<std::uint32_t>(rest);
}

// Exactly nine digits, leading zeros included, ending at end.
void WriteNineDigits(std::uint32_t chunk, char* end) {
  for (int pair = 0; pair < 4; ++pair) {
    end -= 2;
    std::memcpy(end, kDigitPairs + 2 * (chunk % 100), 2);
    chunk /= 100;
  }
  *--end = static_cast<char>('0' + chunk);
}

}  // namespace

char* WriteDecimalDigits(const std::uint32_t (&words)[3], char* out) {
  std::uint32_t rest[3] = {words[0], words[1], words[2]};
  std::uint32_t chunks[4];
  int chunkCount = 0;
  do {
    chunks[chunkCount++] = DivideByChunk(rest);
  } while ((rest[0] | rest[1] | rest[2]) != 0);

  // The top chunk without leading zeros, the others in full.
  char top[9];
  WriteNineDigits(chunks[chunkCount - 1], top + 9);
  int skip = 0;
  while (skip < 8 && top[skip] == '0') ++skip;
  std::memcpy(out, top + skip, static_cast<std::size_t>(9 - skip));
  out += 9 - skip;
  for (int chunk = chunkCount - 2; chunk >= 0; --chunk) {
    WriteNineDigits(chunks[chunk], out + 9);
    out += 9;
  }
  return out;
}

}  // namespace universaltypes::detail
