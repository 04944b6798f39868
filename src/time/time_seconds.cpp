// Times from and to real seconds. The one-ulp corrections act on magnitudes,
// so a time built from -r is the negation of the time built from r, and a
// negated time converts to the negated real.
#include <cmath>

#include "time/femtoseconds.h"
#include "time/time_internals.h"

namespace {

constexpr double kFemtosecondsPerSecond = universaltypes::detail::kFemtosecondsPerSecondAsDouble;
constexpr double kOneUlpUp = 1.0000000000000002;  // 1 + 2^-52
// Past 2^52 / 10^15 seconds a femtosecond count in a double has no fraction.
constexpr double kNoFractionSeconds = 4.503599627370496;

// |seconds| * 10^15, nudged up one ulp when the product rounded below.
double MagnitudeInFemtoseconds(double magnitude) {
  double femtoseconds = magnitude * kFemtosecondsPerSecond;
  if (femtoseconds / kFemtosecondsPerSecond < magnitude) femtoseconds *= kOneUlpUp;
  return femtoseconds;
}

}  // namespace

UniversalTime::UniversalTime(const UniversalReal& seconds) : UniversalTime(_zero) {
  const double r = seconds;
  if (std::isnan(r) || std::fabs(r) > 1000.0) {
    // 10^15 fits no int: built as 1000^5 ticks. NaN and overflow are reported
    // by the product.
    _physicalTime = UniversalInteger(1000000) * 1000000000 * UniversalReal(r);
    return;
  }
  const double femtoseconds = std::copysign(MagnitudeInFemtoseconds(std::fabs(r)), r);
  double whole = 0.0;
  double fraction = std::modf(femtoseconds, &whole);
  if (std::fabs(r) >= kNoFractionSeconds) {
    fraction = 0.0;
  } else if (std::fabs(whole) * 0x1p-52 + std::fabs(fraction) >= 1.0) {
    // Within rounding of the next whole femtosecond, away from zero.
    whole += femtoseconds >= 0 ? 1.0 : -1.0;
    fraction = 0.0;
  }
  _physicalTime = UniversalInteger::Get_TheConstantOne() * whole;
  double offset = fraction;
  // Only the borrow: a tiny negative fraction leaves the offset at exactly 1.0.
  TimeInternals::BorrowForNegativeOffset(_physicalTime, offset);
  _offsetTime = offset;
}

UniversalReal UniversalTime::UniversalToRealTime() const {
  double femtoseconds = UniversalReal(_physicalTime);
  if (TimeInternals::AnalogExists()) femtoseconds = static_cast<double>(_offsetTime) + femtoseconds;
  double seconds = femtoseconds / kFemtosecondsPerSecond;
  if (std::fabs(seconds) * kFemtosecondsPerSecond < std::fabs(femtoseconds)) seconds *= kOneUlpUp;
  return seconds;
}
