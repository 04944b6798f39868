// Unsigned arithmetic on machine words wider than one word, shared by the
// integer operations and the time text routes: the digit-count rule, the
// full 64 x 64 product, and division of a run of 32-bit limbs by a small
// divisor. Magnitude96 (96-bit magnitudes) and WideUnsigned (the literal
// routes' fixed-point words) build on these. Plain 64-bit arithmetic, so
// targets without a 128-bit type take the same steps and get the same bits.
#ifndef UNIVERSALTYPES_SRC_INTEGER_WIDE_WORDS_H
#define UNIVERSALTYPES_SRC_INTEGER_WIDE_WORDS_H

#include <cstdint>

namespace universaltypes::detail {

// The digit-count rule of every integer record: one more than the index of
// the highest nonzero 16-bit digit of the 96-bit magnitude high:low, 0 for
// zero. The test on the word that holds the top digit keeps the count off
// the critical path of the integer word routes (integer benchmarks).
constexpr std::int16_t SignificantDigitCount(std::uint64_t low, std::uint32_t high) {
  if (high != 0) return static_cast<std::int16_t>(high > 0xFFFFu ? 6 : 5);
  const auto middle = static_cast<std::uint32_t>(low >> 32);
  if (middle != 0) return static_cast<std::int16_t>(middle > 0xFFFFu ? 4 : 3);
  const auto bottom = static_cast<std::uint32_t>(low);
  return static_cast<std::int16_t>((bottom > 0xFFFFu ? 1 : 0) + (bottom != 0 ? 1 : 0));
}

// An unsigned number of two 64-bit words.
struct TwoWords {
  std::uint64_t high;
  std::uint64_t low;
};

// The full product a * b from 32-bit halves. Each partial product is below
// 2^64 and the middle sum below 3 * 2^32, so no carry is lost.
constexpr TwoWords FullProduct(std::uint64_t a, std::uint64_t b) {
  if ((a | b) >> 32 == 0) return {0, a * b};
  constexpr std::uint64_t kHalf = 0xFFFFFFFFu;
  const std::uint64_t lowProduct = (a & kHalf) * (b & kHalf);
  const std::uint64_t crossA = (a >> 32) * (b & kHalf);
  const std::uint64_t crossB = (a & kHalf) * (b >> 32);
  const std::uint64_t middle = (lowProduct >> 32) + (crossA & kHalf) + (crossB & kHalf);
  return {(a >> 32) * (b >> 32) + (crossA >> 32) + (crossB >> 32) + (middle >> 32),
          (middle << 32) | (lowProduct & kHalf)};
}

// limbs[0..top] (least significant first) divided in place by a nonzero
// divisor; returns the remainder. Each step divides rest * 2^32 + limb with
// rest < divisor, so the quotient limb fits 32 bits. Inlined with a constant
// divisor, each division becomes a multiplication.
constexpr std::uint32_t DivideLimbs(std::uint32_t* limbs, int top, std::uint32_t divisor) {
  std::uint64_t rest = 0;
  for (int index = top; index >= 0; --index) {
    const std::uint64_t window = (rest << 32) | limbs[index];
    limbs[index] = static_cast<std::uint32_t>(window / divisor);
    rest = window % divisor;
  }
  return static_cast<std::uint32_t>(rest);
}

}  // namespace universaltypes::detail

#endif
