#include "integer/decimal_digits.h"

#include <cstring>

#include "integer/wide_words.h"

namespace universaltypes::detail {

namespace {

constexpr std::uint32_t kChunk = 1000000000u;
constexpr std::uint64_t kTwoChunks = std::uint64_t{kChunk} * kChunk;

// Divides words by 10^9 in place; returns the remainder.
std::uint32_t DivideByChunk(std::uint32_t (&words)[3]) { return DivideLimbs(words, 2, kChunk); }

// The chunks of a value below 2^64, lowest first; returns their count. Both
// quotients are multiplications by constants, computed side by side rather
// than one from the other.
int SplitIntoChunks(std::uint64_t value, std::uint32_t* chunks) {
  const std::uint64_t byOne = value / kChunk;
  const std::uint64_t byTwo = value / kTwoChunks;
  chunks[0] = static_cast<std::uint32_t>(value - byOne * kChunk);
  chunks[1] = static_cast<std::uint32_t>(byOne - byTwo * kChunk);
  chunks[2] = static_cast<std::uint32_t>(byTwo);
  return byTwo != 0 ? 3 : byOne != 0 ? 2 : 1;
}

// Exactly nine digits, leading zeros included, at out. The chunk is cut in
// halves first, so the two halves' pairs come out side by side instead of
// each waiting for the one before.
void WriteNineDigits(std::uint32_t chunk, char* out) {
  const std::uint32_t high = chunk / 10000;  // five digits
  const std::uint32_t low = chunk % 10000;
  const std::uint32_t highPairs = high % 10000;
  out[0] = static_cast<char>('0' + high / 10000);
  WritePair(highPairs / 100, out + 1);
  WritePair(highPairs % 100, out + 3);
  WritePair(low / 100, out + 5);
  WritePair(low % 100, out + 7);
}

// The digits of a chunk without leading zeros ("0" for zero).
int DigitsInChunk(std::uint32_t chunk) {
  return 1 + (chunk >= 10) + (chunk >= 100) + (chunk >= 1000) + (chunk >= 10000) + (chunk >= 100000) +
         (chunk >= 1000000) + (chunk >= 10000000) + (chunk >= 100000000);
}

// Exactly count digits of value (below 10^count), written from the end.
char* WriteChunkDigits(std::uint32_t value, int count, char* out) {
  char* const end = out + count;
  char* at = end;
  for (; count >= 2; count -= 2) {
    at -= 2;
    WritePair(value % 100, at);
    value /= 100;
  }
  if (count == 1) at[-1] = static_cast<char>('0' + value);
  return end;
}

}  // namespace

char* WriteDecimalDigits(const std::uint32_t (&words)[3], char* out) {
  std::uint32_t rest[3] = {words[0], words[1], words[2]};
  std::uint32_t chunks[5];
  int chunkCount = 0;
  // Beyond 64 bits, a chunk or two the long way; the rest by multiplication.
  while (rest[2] != 0) chunks[chunkCount++] = DivideByChunk(rest);
  chunkCount += SplitIntoChunks(std::uint64_t{rest[1]} << 32 | rest[0], chunks + chunkCount);

  const std::uint32_t top = chunks[chunkCount - 1];
  out = WriteChunkDigits(top, DigitsInChunk(top), out);
  for (int chunk = chunkCount - 2; chunk >= 0; --chunk) {
    WriteNineDigits(chunks[chunk], out);
    out += 9;
  }
  return out;
}

char* WriteFixedDigits(std::uint64_t value, int count, char* out) {
  if (count <= 9) return WriteChunkDigits(static_cast<std::uint32_t>(value), count, out);
  out = WriteChunkDigits(static_cast<std::uint32_t>(value / kChunk), count - 9, out);
  WriteNineDigits(static_cast<std::uint32_t>(value % kChunk), out);
  return out + 9;
}

}  // namespace universaltypes::detail
