// Scaling times by ints, reals and integers. The ticks are scaled with
// integer arithmetic; what it drops (a division's remainder, a real
// product's fraction) joins the scaled offset, and the normalisation moves
// whole femtoseconds back into the ticks.
#include "integer/magnitude96.h"
#include "time/time_internals.h"

using universaltypes::detail::Magnitude96;
using universaltypes::detail::SignedMagnitude96;

namespace {

[[noreturn]] void RefuseDivisionByZero() { throw UTypes_StatusCodeException(UTypes_Error); }

// ticks * factor with the dropped fraction signed like the exact product,
// so ticks + offset is the scaled value for either sign (3 * -0.5 is -2
// ticks + 0.5, not -1 + 0.5).
UniversalTime ScaledByReal(const UniversalTime& time, double factor, double scaledOffset) {
  const UniversalInteger& ticks = TimeInternals::Ticks(time);
  double dropped = 0.0;
  const UniversalInteger product = IntegerInternals::ScaledByReal(ticks, factor, dropped);
  const bool negative = (ticks < UniversalInteger::Get_TheConstantZero()) != (factor < 0);
  return TimeInternals::Normalized(product, scaledOffset + (negative ? -dropped : dropped));
}

}  // namespace

UniversalTime UniversalTime::operator*(int factor) const {
  const SignedMagnitude96 product = SignedMagnitude96::ProductByInt(_physicalTime, factor);
  const double offset = static_cast<double>(factor) * static_cast<double>(_offsetTime);
  // An offset in [0, 2^53) carries its truncation, an exact double, in one
  // machine word: the normalisation's steps without building the carry's
  // record. Everything else (negative, huge or NaN offsets, signs other
  // than +-1, a carry past 2^96) takes the normalisation itself.
  const bool signIsUnit = product.sign == IntegerInternals::kPlus || product.sign == IntegerInternals::kMinus;
  if (signIsUnit && offset >= 0.0 && offset < 9007199254740992.0) {
    const auto carry = static_cast<std::uint64_t>(offset);
    SignedMagnitude96 ticks = product;
    if (product.TryAddCarry(carry, ticks)) {
      const double rest = offset - static_cast<double>(carry);
      return TimeInternals::Make(ticks.Record(), rest == 0.0 ? 0.0 : rest);
    }
  }
  return TimeInternals::Normalized(product.Record(), offset);
}

UniversalTime UniversalTime::operator/(int divisor) const {
  if (divisor == 0) RefuseDivisionByZero();
  // One division of the covered magnitudes gives the quotient and the
  // remainder, in registers: the integer division's records would go
  // through memory. The quotient takes the product of the signs, the
  // remainder the dividend's, as rem gives it.
  const Magnitude96 dividend = Magnitude96::Covered(_physicalTime);
  const std::uint32_t divisorMagnitude =
      divisor < 0 ? 0u - static_cast<std::uint32_t>(divisor) : static_cast<std::uint32_t>(divisor);
  Magnitude96 quotient{0, 0};
  Magnitude96 remainder{0, 0};
  if (!dividend.IsZero()) Magnitude96::Divide(dividend, {divisorMagnitude, 0}, quotient, remainder);
  const std::int16_t dividendSign = IntegerInternals::Sign(_physicalTime);
  const auto quotientSign = static_cast<std::int16_t>(dividendSign * (divisor < 0 ? -1 : 1));
  // The remainder is below 2^31: its double is exact.
  const auto rest = static_cast<double>(remainder.low);
  const double signedRest = remainder.IsZero() || dividendSign >= 0 ? rest : -rest;
  return TimeInternals::Normalized(
      quotient.WithSign(quotient.IsZero() ? IntegerInternals::kPlus : quotientSign),
      (signedRest + TimeInternals::Offset(*this)) / static_cast<double>(divisor));
}

UniversalTime UniversalTime::operator*(double factor) const {
  return ScaledByReal(*this, factor, static_cast<double>(_offsetTime) * factor);
}

UniversalTime UniversalTime::operator/(double divisor) const {
  if (divisor == 0.0) RefuseDivisionByZero();
  return ScaledByReal(*this, 1.0 / divisor, static_cast<double>(_offsetTime) / divisor);
}

UniversalTime UniversalTime::operator/(const UniversalInteger& divisor) const {
  return *this / static_cast<double>(UniversalReal(divisor));
}
