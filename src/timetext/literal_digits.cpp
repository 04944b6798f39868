#include "timetext/literal_digits.h"

#include "timetext/literal_routes.h"

namespace universaltypes::detail {

namespace {

// Exponents saturate here, far beyond both bounds that refuse or settle a
// literal (v >= 2^96 and v < B^-1200 * unit), so the digit loop never wraps.
constexpr long kSaturatedExponent = 1000000000;
static_assert(kSaturatedExponent > kOverflowingPosition && -kSaturatedExponent < kNegligiblePosition);

}  // namespace

SignificantDigits::SignificantDigits(const LiteralNumber& number) : number_(number) {
  long index = 0;
  long first = -1, last = -1;
  ForEachMantissaDigit([&](int digit) {
    if (digit != 0) {
      if (first < 0) first = index;
      last = index;
    }
    ++index;
    return true;
  });
  leadingZeros_ = first < 0 ? index : first;
  count_ = first < 0 ? 0 : last - first + 1;
}

long SaturatedExponent(const LiteralNumber& number) {
  long exponent = 0;
  ForEachDigit(*number.text, number.exponentRun, number.base, [&](int digit) {
    if (exponent < kSaturatedExponent) exponent = exponent * number.base + digit;
  });
  if (exponent > kSaturatedExponent) exponent = kSaturatedExponent;
  return number.negativeExponent ? -exponent : exponent;
}

bool DecimalUnitExponent(TimeUnit unit, long& exponent) {
  if (!IsTimeUnit(unit) || Unit(unit).powerOfTen < 0) return false;
  exponent = Unit(unit).powerOfTen;
  return true;
}

LiteralDigits::LiteralDigits(const LiteralNumber& literal)
    : number(literal), digits(literal), base(static_cast<std::uint32_t>(literal.base)),
      factors(FactorsOf(literal.unit)),
      position(literal.integerRun.digits - digits.leadingZeros() + SaturatedExponent(literal)) {
  while (groupPower <= (std::uint32_t{0xFFFFFFFF} / base)) {
    groupPower *= base;
    ++groupDigits;
  }
}

std::optional<ShortWide> LiteralDigits::Significand() const {
  ShortWide n;
  bool fits = true;
  digits.ForEach([&](int digit) { return fits = n.MultiplyAdd(base, static_cast<std::uint32_t>(digit)); });
  if (!fits) return std::nullopt;
  return n;
}

}  // namespace universaltypes::detail
