// Scaling times by ints, reals and integers. The ticks are scaled with
// integer arithmetic; what it drops (a division's remainder, a real
// product's fraction) joins the scaled offset, and the normalisation moves
// whole femtoseconds back into the ticks.
#include "time/time_internals.h"

namespace {

[[noreturn]] void RefuseDivisionByZero() { throw UTypes_StatusCodeException(UTypes_Error); }

// ticks * factor with the dropped fraction signed like the exact product,
// so ticks + offset is the scaled value for either sign (3 * -0.5 is -2
// ticks + 0.5, not -1 + 0.5).
UniversalTime ScaledByReal(const UniversalTime& time, double factor, double scaledOffset) {
  const UniversalInteger& ticks = TimeInternals::Ticks(time);
  const UniversalInteger product = ticks * factor;
  const double dropped = UniversalInteger::Get_Remainder();
  const bool negative = (ticks < UniversalInteger::Get_TheConstantZero()) != (factor < 0);
  return TimeInternals::Normalized(product, scaledOffset + (negative ? -dropped : dropped));
}

}  // namespace

UniversalTime UniversalTime::operator*(int factor) const {
  return TimeInternals::Normalized(_physicalTime * factor,
                                   static_cast<double>(factor) * static_cast<double>(_offsetTime));
}

UniversalTime UniversalTime::operator/(int divisor) const {
  if (divisor == 0) RefuseDivisionByZero();
  // One division gives the quotient and the remainder; the remainder keeps
  // the whole dividend when it takes the dividend's sign, as rem gives it.
  UniversalInteger quotient = UniversalInteger::Get_TheConstantZero();
  UniversalInteger remainder = UniversalInteger::Get_TheConstantZero();
  IntegerInternals::Divide(_physicalTime, UniversalInteger(divisor), quotient, remainder);
  if (IntegerInternals::Count(remainder) != 0) {
    IntegerInternals::Sign(remainder) = IntegerInternals::Sign(_physicalTime);
  }
  return TimeInternals::Normalized(
      quotient, (IntegerInternals::ToDouble(remainder) + TimeInternals::Offset(*this)) /
                    static_cast<double>(divisor));
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
