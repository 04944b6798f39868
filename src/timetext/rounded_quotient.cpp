// Long division one bit at a time: the numerator is first shifted so its top
// bit meets the divisor's, then 53 bits and a rounding bit follow, and what
// remains tells whether anything lay beyond them. Each step is branch-free,
// since its bit is as likely one as zero.
#include "timetext/rounded_quotient.h"

#include <bit>
#include <cassert>
#include <cmath>

namespace universaltypes::detail {

namespace {

int BitLength(const Magnitude96& value) {
  return value.high != 0 ? 64 + std::bit_width(value.high) : std::bit_width(value.low);
}

// value * 2^bits, which the caller knows fits 96 bits.
Magnitude96 ShiftedLeft(const Magnitude96& value, int bits) {
  if (bits == 0) return value;
  if (bits >= 64) return {0, static_cast<std::uint32_t>(value.low << (bits - 64))};
  return {value.low << bits,
          static_cast<std::uint32_t>(std::uint64_t{value.high} << bits | value.low >> (64 - bits))};
}

// Subtracts divisor from rest where it fits; returns whether it did.
bool SubtractIfAtLeast(Magnitude96& rest, const Magnitude96& divisor) {
  const std::uint64_t low = rest.low - divisor.low;
  const std::uint64_t borrow = rest.low < divisor.low ? 1u : 0u;
  // Both high words are below 2^32: the difference's sign bit is the order.
  const std::uint64_t high = std::uint64_t{rest.high} - divisor.high - borrow;
  const bool fits = (high >> 63) == 0;
  const std::uint64_t keep = fits ? ~std::uint64_t{0} : 0u;
  rest.low = (low & keep) | (rest.low & ~keep);
  rest.high = static_cast<std::uint32_t>((high & keep) | (rest.high & ~keep));
  return fits;
}

}  // namespace

double RoundedQuotient(const Magnitude96& numerator, const Magnitude96& divisor) {
  assert(!numerator.IsZero() && numerator.OrderAgainst(divisor) < 0);
  assert(divisor.OrderAgainst(kLargestQuotientDivisor) <= 0);
  // rest / divisor in [1, 2) and the quotient is that times 2^-exponent.
  int exponent = BitLength(divisor) - BitLength(numerator);
  Magnitude96 rest = ShiftedLeft(numerator, exponent);
  if (rest.OrderAgainst(divisor) < 0) {
    rest = ShiftedLeft(rest, 1);
    ++exponent;
  }
  std::uint64_t bits = 0;  // 53 significant bits, then the rounding bit
  for (int step = 0; step < 54; ++step) {
    bits = bits << 1 | (SubtractIfAtLeast(rest, divisor) ? 1u : 0u);
    rest = ShiftedLeft(rest, 1);
  }
  const bool roundingBit = (bits & 1u) != 0;
  std::uint64_t mantissa = bits >> 1;
  // Ties to even. The decimal literal route never meets a tie: a quotient
  // below 1 over 10^k (k <= 27) that is exact in binary has at most k
  // fractional bits, under the 54 a tie needs.
  if (roundingBit && (!rest.IsZero() || (mantissa & 1u) != 0)) ++mantissa;
  return std::ldexp(static_cast<double>(mantissa), -(exponent + 52));
}

}  // namespace universaltypes::detail
