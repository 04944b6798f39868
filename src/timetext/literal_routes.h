// The routes that compute a literal's exact value, tried in order by
// ExactLiteralValue: short, tiny, decimal, and the fixed-point route that
// takes everything else. Each reads only the LiteralDigits, and each but
// the last declines (returns false) a literal it cannot settle.
//
// What every route may assume: D > 0, X at most kOverflowingPosition and at
// least kNegligiblePosition, and B^(X-1) < 2^96 (no tick count holds more).
#ifndef UNIVERSALTYPES_SRC_TIMETEXT_LITERAL_ROUTES_H
#define UNIVERSALTYPES_SRC_TIMETEXT_LITERAL_ROUTES_H

#include <cstdint>
#include <optional>

#include "integer/wide_unsigned.h"
#include "time/time_internals.h"
#include "timetext/literal_digits.h"

namespace universaltypes::detail {

// Below B^-1200 * unit every v rounds to zero ticks and offset 0.0: it is
// at most 2^-1200 * 2^62 fs, under half the least subnormal 2^-1074.
inline constexpr long kNegligiblePosition = -1200;
// B^(X-1) >= 2^(X-1) passes 2^96 for any X above this: no tick count holds
// the value, whatever the base.
inline constexpr long kOverflowingPosition = 200;

// Through the integer's own overflow, so the status word reads 1 afterwards.
[[noreturn]] inline void ThrowOverflow() { IntegerInternals::ThrowOverflow(); }

// The bits of value from fromBit (a limb boundary) up, as tick magnitude.
template <int Limbs>
UniversalInteger ToInteger(const WideUnsigned<Limbs>& value, int fromBit) {
  if (value.HighestBit() >= fromBit + 96) ThrowOverflow();
  const int limb = fromBit / 32;
  return IntegerInternals::FromMagnitude(IntegerInternals::kPlus,
                                         std::uint64_t{value.Limb(limb + 1)} << 32 | value.Limb(limb),
                                         value.Limb(limb + 2));
}

// Builds the time from |v| = whole + fraction: fraction() and complement()
// round the fraction and 1 - fraction to doubles (1.0 meaning a carry).
template <typename Fraction, typename Complement>
UniversalTime Assemble(const UniversalInteger& whole, bool fractionNonzero, bool negative, bool analog,
                       Fraction&& fraction, Complement&& complement) {
  const UniversalInteger& one = UniversalInteger::Get_TheConstantOne();
  UniversalInteger magnitude = whole;
  double offset = 0.0;
  if (analog && fractionNonzero) {
    // floor(-|v|) is -(whole + 1), with offset 1 - fraction.
    offset = negative ? complement() : fraction();
    const bool carry = offset >= 1.0;
    if (carry) offset = 0.0;
    // A carry moves the floor up by one: toward zero for a negative value.
    if (carry != negative) magnitude = magnitude + one;
  }
  const UniversalInteger ticks = negative ? UniversalInteger::Get_TheConstantZero() - magnitude : magnitude;
  return TimeInternals::Normalized(ticks, offset);
}

// unit * N * B^K with K = X - D, when N and unit * N fit 128 bits and B^-K
// is at most 2^53.
bool TryShortRoute(const LiteralDigits& literal, const std::optional<ShortWide>& significand, bool analog,
                   UniversalTime& result);
// Below a tenth of a femtosecond in a decimal unit.
bool TryTinyRoute(const LiteralDigits& literal, bool analog, UniversalTime& result);
// N * multiple / 10^k in 96 bits, for k from 1 to 27.
bool TryDecimalRoute(const LiteralDigits& literal, const std::optional<ShortWide>& significand, bool analog,
                     UniversalTime& result);
// Every literal, through a fixed-point approximation checked against the
// digits near a rounding boundary.
UniversalTime FixedPointRoute(const LiteralDigits& literal, bool analog);

// The fixed-point route's numbers: V ~ v * 2^F on 64 limbs.
//
// F, the fractional bits of V. The finest step an offset can take is the
// least subnormal, 2^-1074 fs, bit F - 1074 of V; F = 1074 + 270 puts that
// step 270 bits above V's unit, far over the error bound below, and is a
// whole number of limbs (42).
inline constexpr int kFractionBits = 1074 + 270;
// The bound on |V - v * 2^F|, in units of V. The head's binary fraction z
// is off by under 4 units: under 2 from the truncating divisions of Horner's
// rule (each under one, every earlier one halved at least by the next), and
// under 1 from the digits past the head. Scaling multiplies that by the
// unit's femtoseconds (at most 3600 * 10^15 < 2^62) and by B^X, where
// B^(X-1) < 2^96 gives B^X < 2^100 for B <= 16: under 2^(2 + 62 + 100) =
// 2^164. A negative X divides instead, each of its at most 1200 / 7 + 31
// divisions adding under one unit to an error already below 2^64. 2^168
// leaves room and stays 2^102 below the finest offset step (bit 270).
inline constexpr int kErrorBits = 168;
static_assert(kFractionBits % 32 == 0, "V's fraction is a whole number of limbs");
static_assert(kFractionBits - 1074 > kErrorBits, "the error stays below the finest offset step");
// V's integer part holds a tick count (96 bits) plus the error's headroom.
using FixedWide = WideUnsigned<64>;
static_assert(FixedWide::kBits >= kFractionBits + 96 + 32, "V holds 96 integer bits and a spare limb");

// On which side of a rounding midpoint (a value of V) the literal's exact
// value lies: -1 below, 0 on it, 1 above. Asked only when V is too close to
// the midpoint to tell.
class MidpointOrder {
 public:
  virtual int Of(const FixedWide& midpoint) const = 0;

 protected:
  ~MidpointOrder() = default;
};

// Rounds x / 2^F (x < 2^F) to the nearest double, ties to even, subnormal
// steps included.
double RoundFraction(const FixedWide& x, const MidpointOrder& exactOrder);

}  // namespace universaltypes::detail

#endif
