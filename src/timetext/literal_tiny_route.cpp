// The tiny route: a literal below a tenth of a femtosecond in a decimal unit
// ('1.5E-300 sec') has zero ticks and, while analog, the decimal correctly
// rounded to a double as its offset: from_chars rounds to nearest, ties to
// even, without the fixed-point work whose cost grows with the exponent.
// Under a tenth no rounding reaches 1.0, so nothing carries. An offset that
// underflows to zero near the least subnormal, and long digit strings, stay
// with the fixed-point route.
#include <cassert>
#include <charconv>
#include <system_error>

#include "timetext/literal_routes.h"

namespace universaltypes::detail {

namespace {

// Significant digits the route writes out for from_chars: any more and the
// text would need more room than a short stack buffer.
constexpr long kTinyRouteDigits = 40;
// Room for the digits, the 'e' and a signed exponent of at most 20 digits.
constexpr long kTinyTextRoom = kTinyRouteDigits + 24;
// 10^-325 < 2^-1075: a value below it rounds to an offset of +0.0.
constexpr long kBelowHalfTheLeastOffset = -325;

}  // namespace

bool TryTinyRoute(const LiteralDigits& literal, bool analog, UniversalTime& result) {
  long unitExponent = 0;
  if (literal.base != 10 || literal.number.negative || !DecimalUnitExponent(literal.number.unit, unitExponent)) {
    return false;
  }
  const long magnitude = literal.position + unitExponent;  // v < 10^magnitude fs
  if (magnitude > -1) return false;
  double offset = 0.0;  // also below 10^-325 fs, under half the least subnormal
  if (analog && magnitude > kBelowHalfTheLeastOffset) {
    if (literal.digits.count() > kTinyRouteDigits) return false;
    char text[kTinyTextRoom];
    char* end = text;
    literal.digits.ForEach([&](int digit) {
      *end++ = static_cast<char>('0' + digit);
      return true;
    });
    assert(end - text <= kTinyRouteDigits);
    *end++ = 'e';
    end = std::to_chars(end, text + sizeof text, magnitude - literal.digits.count()).ptr;
    const std::from_chars_result read = std::from_chars(text, end, offset, std::chars_format::scientific);
    if (read.ec != std::errc() || read.ptr != end || offset == 0.0) return false;
  }
  result = Assemble(UniversalInteger::Get_TheConstantZero(), offset != 0.0, false, analog,
                    [offset] { return offset; }, [] { return 0.0; });
  return true;
}

}  // namespace universaltypes::detail
