// Exact literal values: the routes in order, from the cheapest to the one
// that settles every literal, after what no route has to handle (no
// significant digit, a value too small to show or too large to hold); and
// the rounding of a fixed-point fraction to the offset's double.
#include "timetext/exact_literal_value.h"

#include <cassert>
#include <cmath>
#include <cstdint>
#include <optional>

#include "timetext/literal_routes.h"

namespace universaltypes::detail {

namespace {

// v >= B^(X-1): once that reaches 2^96 no tick count holds it.
void RefuseWhatCannotFit(const LiteralDigits& literal) {
  if (literal.position > kOverflowingPosition) ThrowOverflow();
  ShortWide lowest;
  lowest.SetLimb(0, 1);
  for (long step = 1; step < literal.position; ++step) {
    if (!lowest.MultiplyAdd(literal.base, 0)) ThrowOverflow();
  }
  if (lowest.HighestBit() >= 96) ThrowOverflow();
}

}  // namespace

double RoundFraction(const FixedWide& x, const MidpointOrder& exactOrder) {
  assert(x.HighestBit() < kFractionBits);
  const int top = x.HighestBit();
  if (top < 0) return 0.0;
  // 53 significant bits, or fewer where subnormal offsets end at 2^-1074.
  const int lowestKept = top - 52 > kFractionBits - 1074 ? top - 52 : kFractionBits - 1074;
  std::uint64_t mantissa = top >= lowestKept ? x.Bits(lowestKept, top - lowestKept + 1) : 0;
  const FixedWide rest = x.Below(lowestKept);
  const FixedWide half = FixedWide::PowerOfTwo(lowestKept - 1);
  FixedWide low = half, high = half;
  low.Subtract(FixedWide::PowerOfTwo(kErrorBits));
  high.Add(FixedWide::PowerOfTwo(kErrorBits));
  int order = rest.Compare(high) >= 0 ? 1 : (rest.Compare(low) <= 0 ? -1 : 0);
  if (order == 0) {
    FixedWide midpoint = x.From(lowestKept);
    midpoint.Add(half);
    order = exactOrder.Of(midpoint);
    if (order == 0) order = (mantissa & 1u) != 0 ? 1 : -1;  // ties to even
  }
  if (order > 0) ++mantissa;
  return std::ldexp(static_cast<double>(mantissa), lowestKept - kFractionBits);
}

UniversalTime ExactLiteralValue(const LiteralNumber& number, bool analog) {
  const LiteralDigits literal(number);
  if (literal.digits.count() == 0 || literal.position < kNegligiblePosition) return UniversalTime();
  RefuseWhatCannotFit(literal);
  UniversalTime result;
  const std::optional<ShortWide> significand = literal.Significand();
  if (TryShortRoute(literal, significand, analog, result) || TryTinyRoute(literal, analog, result) ||
      TryDecimalRoute(literal, significand, analog, result)) {
    return result;
  }
  return FixedPointRoute(literal, analog);
}

}  // namespace universaltypes::detail
