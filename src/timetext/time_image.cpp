// Time images: a number of a unit ('1.5 ns'), printed by the integer's
// PrintToBuffer from the floor quotient and the fraction of a unit left (the
// division route), or, where that text is provably the tick count's own
// digits, by the exact route that writes them directly.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "time/time_internals.h"
#include "timetext/exact_time_image.h"
#include "timetext/image_layout.h"
#include "timetext/time_units.h"

namespace universaltypes::detail {

namespace {

// Shared by the three time image functions; the tick image has its own.
char timeImage[4096];
static_assert(sizeof timeImage >= kExactImageRoom);
char tickImage[64];
// Room for a fraction's text at the units' precisions (at most 15 digits,
// a point and "e-308"), the terminator included. WriteFractionAlone reads
// the digits as "d.ddd": every precision keeps a digit after the point.
constexpr int kFractionImageRoom = 32;
constexpr bool FractionsFitTheirRoom() {
  for (const UnitDescription& unit : kUnits) {
    // "0.000" and the digits, or a digit, a point, the rest and "e-308".
    if (unit.imagePrecision < 2 || unit.imagePrecision + 6 >= kFractionImageRoom) return false;
  }
  return true;
}
static_assert(FractionsFitTheirRoom());

int PrecisionOf(TimeUnit unit) { return Unit(unit).imagePrecision; }

// Moves the whole units of fraction into quotient, leaving it in [0, 1).
void CarryWholeUnits(UniversalInteger& quotient, double& fraction) {
  if (fraction >= 0.0 && fraction < 1.0) return;
  if (std::isnan(fraction)) return;  // printed as no fraction at all
  const UniversalInteger whole{UniversalReal(std::floor(fraction))};
  quotient = quotient + whole;
  fraction -= static_cast<double>(UniversalReal(whole));
}

// A fraction of a unit in (0, 1) alone, at precision significant digits,
// at out; returns the end. The digits are the double's correctly rounded
// ones (to_chars), the layout the shared one; digits that round up to one
// are "1".
char* WriteFractionAlone(double fraction, int precision, char* out) {
  char text[kFractionImageRoom];
  const char* const end = std::to_chars(text, text + sizeof text, fraction, std::chars_format::scientific,
                                        precision - 1).ptr;
  // "d.ddde-05", or "1.000e+00" for a fraction that rounded up to one.
  const char* const mark = std::find(static_cast<const char*>(text), end, 'e');
  int exponent = 0;
  for (const char* digit = mark + 2; digit < end; ++digit) exponent = 10 * exponent + (*digit - '0');
  if (mark[1] == '-') exponent = -exponent;
  if (!IsFixedFraction(exponent)) {
    const auto length = mark - text;
    std::memcpy(out, text, static_cast<std::size_t>(length));
    return FinishScientific(out + length, exponent);
  }
  if (exponent < 0) {
    // Fixed at the same significant digits: "0.", zeros up to the first.
    *out++ = '0';
    *out++ = '.';
    for (int zero = exponent + 1; zero < 0; ++zero) *out++ = '0';
    *out++ = text[0];
    const auto rest = mark - text - 2;
    std::memcpy(out, text + 2, static_cast<std::size_t>(rest));
    return TrimFraction(out + rest);
  }
  const auto length = mark - text;
  std::memcpy(out, text, static_cast<std::size_t>(length));
  return TrimFraction(out + length);
}

// The image of a time whose value is not below zero, at out: the floor
// quotient and the fraction of a unit left, printed by PrintToBuffer, or by
// the shared layout when there is no whole unit.
void WriteUnsignedImage(const UniversalTime& time, TimeUnit unit, char* out) {
  const double size = UnitSize(unit);
  // The unit constant's ticks are exactly its size in femtoseconds.
  const UniversalInteger& divisor = UnitConstant(unit).UniversalToPhysicalTime();
  // One division gives both; with both operands positive the remainder is
  // the one rem would give.
  UniversalInteger quotient;
  UniversalInteger wholeRemainder;
  IntegerInternals::Divide(TimeInternals::Ticks(time), divisor, quotient, wholeRemainder);
  double fraction = (static_cast<double>(UniversalReal(wholeRemainder)) + TimeInternals::Offset(time)) / size;
  CarryWholeUnits(quotient, fraction);
  if (IntegerInternals::HasZeroMagnitude(quotient) && fraction > 0.0 && fraction < 1.0) {
    *WriteFractionAlone(fraction, PrecisionOf(unit), out) = '\0';
  } else {
    quotient.PrintToBuffer(out, fraction, PrecisionOf(unit));
  }
  // The fraction's exponent is already signed with two digits at least
  // ("1e-06"): the formatter here is locale- and platform-independent.
  std::strcat(out, " ");
  std::strcat(out, UnitText(unit));
}

// Whether ticks + offset, the offset counted whatever the analog flag says,
// is below zero: a zero of either sign is not, nor is a negative tick count
// whose offset makes up for it. A NaN offset leaves the ticks to decide.
bool IsNegative(const UniversalTime& time) {
  const double ticks = UniversalReal(TimeInternals::Ticks(time));
  const double offset = TimeInternals::Offset(time);
  return std::isnan(offset) ? ticks < 0.0 : ticks + offset < 0.0;
}

// The one place that decides an image's sign: a negative time is "-" and
// the image of its negation (the record the product by -1 gives), so both
// read the same digits, compression to "e+N" included. Returns what is
// printed after the sign, ticks of zero or more: time itself, or in scratch
// its negation or, for a negative tick count whose offset makes the value
// positive, its normalised form.
const UniversalTime& WriteSign(const UniversalTime& time, char*& out, UniversalTime& scratch) {
  const UniversalInteger& ticks = TimeInternals::Ticks(time);
  const double offset = TimeInternals::Offset(time);
  // A plus sign word with an offset of zero or more is never below zero,
  // whatever the words and count hold: the common case, decided without
  // converting the ticks or comparing them.
  if (IntegerInternals::Sign(ticks) == IntegerInternals::kPlus && offset >= 0.0) return time;
  const UniversalInteger& zero = UniversalInteger::Get_TheConstantZero();
  if (IsNegative(time)) {
    *out++ = '-';
    scratch = TimeInternals::Normalized(zero - ticks, -offset);
    return scratch;
  }
  if (!(ticks < zero)) return time;
  scratch = TimeInternals::Normalized(ticks, offset);
  return scratch;
}

char* ImageInUnit(const UniversalTime& time, TimeUnit unit) {
  UniversalTime scratch;
  char* out = timeImage;
  const UniversalTime& magnitude = WriteSign(time, out, scratch);
  if (!WriteExactImage(magnitude, unit, out)) WriteUnsignedImage(magnitude, unit, out);
  return timeImage;
}

}  // namespace

}  // namespace universaltypes::detail

using namespace universaltypes::detail;

namespace {

// What a call that has nothing to print gives: UTypes_Error and an empty image.
char* RefusedImage(UTypes_StatusCode& status) {
  status = UTypes_Error;
  timeImage[0] = '\0';
  return timeImage;
}

}  // namespace

char* TimeTickValueToString(const UniversalTime& time, TimeUnit unit, UTypes_StatusCode& status) {
  if (!IsTimeUnit(unit)) return RefusedImage(status);
  status = UTypes_OK;
  return ImageInUnit(time, unit);
}

char* TimeTickValueToString_CF(int* ticks, TimeUnit unit, UTypes_StatusCode& status) {
  // No array is no time, as the counted parser treats a null text.
  if (ticks == nullptr) return RefusedImage(status);
  UniversalTime time;
  time.ConvertIntsToUniversalTime(ticks);
  return TimeTickValueToString(time, unit, status);
}

UniversalTime::operator const char*() const {
  UniversalTime scratch;
  char* out = timeImage;
  const UniversalTime& magnitude = WriteSign(*this, out, scratch);
  if (WriteExactImageInUnitBySize(magnitude, out)) return timeImage;
  TimeUnit unit = TimeUnit_sec;
  for (int candidate = TimeUnit_ps; candidate <= TimeUnit_sec; ++candidate) {
    if (magnitude < UnitConstant(static_cast<TimeUnit>(candidate))) {
      unit = static_cast<TimeUnit>(candidate - 1);
      break;
    }
  }
  WriteUnsignedImage(magnitude, unit, out);
  return timeImage;
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
