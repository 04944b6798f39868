// The decimal route: a decimal literal whose digits times its unit's
// multiple fit 96 bits and whose last digit stands for at least 10^-27 fs,
// such as 28 digits of a ns: v = N * multiple / 10^k, so the 96-bit division
// gives the ticks, and its remainder over 10^k, rounded bit by bit, the
// offset.
#include <cassert>
#include <cstdint>

#include "timetext/literal_routes.h"
#include "timetext/rounded_quotient.h"

namespace universaltypes::detail {

namespace {

// 10^27 < 2^90: the divisors leave RoundedQuotient room.
constexpr long kDecimalRoutePlaces = 27;

// A unit as multiple * 10^exponent femtoseconds: 60 and 3600 sec for min
// and hr.
void UnitAsMultipleOfPowerOfTen(TimeUnit unit, std::uint32_t& multiple, long& exponent) {
  multiple = 1;
  if (DecimalUnitExponent(unit, exponent)) return;
  multiple = static_cast<std::uint32_t>(Unit(unit).femtoseconds / kFemtosecondsPerSecond);
  exponent = Unit(TimeUnit_sec).powerOfTen;
}

Magnitude96 LowWords(const ShortWide& value) {
  assert(value.HighestBit() < 96);
  return {std::uint64_t{value.Limb(1)} << 32 | value.Limb(0), value.Limb(2)};
}

}  // namespace

bool TryDecimalRoute(const LiteralDigits& literal, const std::optional<ShortWide>& significand, bool analog,
                     UniversalTime& result) {
  if (literal.base != 10 || !significand) return false;
  std::uint32_t multiple = 1;
  long unitExponent = 0;
  UnitAsMultipleOfPowerOfTen(literal.number.unit, multiple, unitExponent);
  const long places = literal.digits.count() - literal.position - unitExponent;  // k
  if (places < 1 || places > kDecimalRoutePlaces) return false;
  ShortWide numerator = *significand;
  if (!numerator.MultiplyAdd(multiple, 0) || numerator.HighestBit() >= 96) return false;
  ShortWide powerOfTen;
  powerOfTen.SetLimb(0, 1);
  literal.MultiplyByPowerOfBase(powerOfTen, places);
  assert(powerOfTen.HighestBit() < 90);
  const Magnitude96 divisor = LowWords(powerOfTen);
  Magnitude96 whole{}, rest{};
  Magnitude96::Divide(LowWords(numerator), divisor, whole, rest);
  const Magnitude96 complement = Magnitude96::Subtract(divisor, rest);
  result = Assemble(whole.WithSign(IntegerInternals::kPlus), !rest.IsZero(), literal.number.negative, analog,
                    [&] { return RoundedQuotient(rest, divisor); },
                    [&] { return RoundedQuotient(complement, divisor); });
  return true;
}

}  // namespace universaltypes::detail
