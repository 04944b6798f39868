// The short route: N = d1...dD and unit * N fit in 128 bits, and
// v = unit * N * B^K (K = X - D) is either a whole number or a quotient by
// B^-K <= 2^53, whose remainder over B^-K is one correctly rounded double
// division.
#include <cassert>
#include <cstdint>

#include "timetext/literal_routes.h"

namespace universaltypes::detail {

namespace {

// Numerators and the denominator below 2^53 are exact doubles, so one IEEE
// division rounds their quotient correctly.
constexpr std::uint64_t kLargestExactDenominator = std::uint64_t{1} << 53;

}  // namespace

bool TryShortRoute(const LiteralDigits& literal, const std::optional<ShortWide>& significand, bool analog,
                   UniversalTime& result) {
  if (!significand) return false;
  ShortWide n = *significand;
  bool fits = true;
  for (int factor = 0; fits && factor < literal.factors.count; ++factor) {
    fits = n.MultiplyAdd(literal.factors.factors[factor], 0);
  }
  if (!fits) return false;
  const bool negative = literal.number.negative;
  const std::uint32_t base = literal.base;
  const long scale = literal.position - literal.digits.count();
  if (scale >= 0) {
    for (long step = 0; step < scale; ++step) {
      if (!n.MultiplyAdd(base, 0)) ThrowOverflow();
    }
    result = Assemble(ToInteger(n, 0), false, negative, analog, [] { return 0.0; }, [] { return 0.0; });
    return true;
  }
  // B^-K first: dividing is dear, and not worth starting for a denominator
  // that will not fit.
  std::uint64_t denominator = 1;
  for (long step = 0; step < -scale; ++step) {
    if (denominator > kLargestExactDenominator / base) return false;
    denominator *= base;
  }
  std::uint64_t remainder = 0;
  for (std::uint64_t weight = 1; weight < denominator; weight *= base) remainder += weight * n.DivideSmall(base);
  assert(remainder < denominator && denominator <= kLargestExactDenominator);
  const auto over = [denominator](std::uint64_t numerator) {
    return static_cast<double>(numerator) / static_cast<double>(denominator);
  };
  result = Assemble(ToInteger(n, 0), remainder != 0, negative, analog, [&] { return over(remainder); },
                    [&] { return over(denominator - remainder); });
  return true;
}

}  // namespace universaltypes::detail
