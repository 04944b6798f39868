// Time images: a number of a unit ('1.5 ns'), printed by the integer's
// PrintToBuffer from the floor quotient and the fraction of a unit left (the
// division route), or, where that text is provably the tick count's own
// digits, by the exact route that writes them directly.
#include <cmath>
#include <cstdio>
#include <cstring>

#include "time/time_internals.h"
#include "timetext/exact_time_image.h"
#include "timetext/time_units.h"

namespace universaltypes::detail {

namespace {

// Shared by the three time image functions; the tick image has its own.
char timeImage[4096];
static_assert(sizeof timeImage >= kExactImageRoom);
char tickImage[64];

// More digits for the units whose fractions carry more femtoseconds.
int PrecisionOf(TimeUnit unit) { return unit >= TimeUnit_sec ? 15 : 12; }

}  // namespace

// Moves the whole units of fraction into quotient, leaving it in [0, 1).
void CarryWholeUnits(UniversalInteger& quotient, double& fraction) {
  if (fraction >= 0.0 && fraction < 1.0) return;
  if (std::isnan(fraction)) return;  // printed as no fraction at all
  const UniversalInteger whole{UniversalReal(std::floor(fraction))};
  quotient = quotient + whole;
  fraction -= static_cast<double>(UniversalReal(whole));
}

char* ImageInUnit(const UniversalTime& time, TimeUnit unit) {
  const double size = UnitSize(unit);
  // The unit constant's ticks are exactly its size in femtoseconds.
  const UniversalInteger& divisor = UnitConstant(unit).UniversalToPhysicalTime();
  const UniversalInteger& ticks = time.UniversalToPhysicalTime();
  const double offset = time.Get_OffsetTime();  // counts whatever the analog flag says
  // A negative time is printed as "-" and its magnitude |ticks| - offset:
  // the digits of the remainder then keep their full precision, where a
  // floor quotient would print the difference 1 - fraction.
  const bool negative = ticks < UniversalInteger::Get_TheConstantZero();
  const UniversalInteger magnitude = negative ? UniversalInteger::Get_TheConstantZero() - ticks : ticks;
  // One division gives both; with both operands positive the remainder is
  // the one rem would give.
  UniversalInteger quotient;
  UniversalInteger wholeRemainder;
  IntegerInternals::Divide(magnitude, divisor, quotient, wholeRemainder);
  const double remainder = UniversalReal(wholeRemainder);
  double fraction = (negative ? remainder - offset : remainder + offset) / size;
  CarryWholeUnits(quotient, fraction);
  char* out = timeImage;
  if (negative) *out++ = '-';
  quotient.PrintToBuffer(out, fraction, PrecisionOf(unit));
  // The fraction's exponent is already signed with two digits at least
  // ("1e-06"): the formatter here is locale- and platform-independent.
  std::strcat(timeImage, " ");
  std::strcat(timeImage, UnitText(unit));
  return timeImage;
}

}  // namespace universaltypes::detail

using namespace universaltypes::detail;

char* TimeTickValueToString(const UniversalTime& time, TimeUnit unit, UTypes_StatusCode& status) {
  if (!IsTimeUnit(unit)) {
    status = UTypes_Error;
    timeImage[0] = '\0';
    return timeImage;
  }
  char* image = WriteExactImage(time, unit, timeImage) ? timeImage : ImageInUnit(time, unit);
  status = UTypes_OK;
  return image;
}

char* TimeTickValueToString_CF(int* ticks, TimeUnit unit, UTypes_StatusCode& status) {
  UniversalTime time;
  if (ticks != nullptr) time.ConvertIntsToUniversalTime(ticks);
  return TimeTickValueToString(time, unit, status);
}

UniversalTime::operator const char*() const {
  if (WriteExactImageInUnitBySize(*this, timeImage)) return timeImage;
  UniversalTime magnitude = *this;
  if (*this < _zero) {
    magnitude = _zero;
    magnitude -= *this;
  }
  TimeUnit unit = TimeUnit_sec;
  for (int candidate = TimeUnit_ps; candidate <= TimeUnit_sec; ++candidate) {
    if (magnitude < UnitConstant(static_cast<TimeUnit>(candidate))) {
      unit = static_cast<TimeUnit>(candidate - 1);
      break;
    }
  }
  return ImageInUnit(*this, unit);
}

void UniversalTime::ToHexString(char* buffer) const {
  if (buffer == nullptr) return;
  _physicalTime.ToHexString(buffer);
  char* end = buffer + std::strlen(buffer);
  *end++ = ':';
  _offsetTime.ToHexString(end);
}

char* PhysicalTimeTickImage(const UniversalInteger* ticks) {
  tickImage[0] = '\0';
  if (ticks != nullptr) {
    std::snprintf(tickImage, sizeof tickImage, "%.0f fs", static_cast<double>(UniversalReal(*ticks)));
  }
  return tickImage;
}
