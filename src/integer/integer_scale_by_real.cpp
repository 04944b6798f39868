// Scaling a UniversalInteger by a real. The multiplier's integer part is
// applied exactly; its fraction digit by digit in doubles, from the top digit
// down, each digit's dropped fraction carried into the next. The fraction of
// the whole product that truncation drops is kept in the remainder real.
#include <cmath>

#include "integer/integer_internals.h"
#include "integer/split_integer_and_fraction.h"
#include "real/real_internals.h"

namespace {

// Process-wide and unsynchronised, as hosts expect: the last product wins.
constinit UniversalReal remainderReal = RealInternals::Make(0.0);

}  // namespace

const UniversalReal& UniversalInteger::Get_Remainder() { return remainderReal; }

namespace {

struct FractionalProduct {
  UniversalIntegerExtended digits;
  double droppedFraction;
};

// digits(magnitude) * fraction, truncated, over a short-digit-form magnitude.
// Each step is the rounded product then the rounded sum; no fused operation.
FractionalProduct MultiplyByFraction(const UniversalInteger& magnitude, double fraction) {
  FractionalProduct product{{1, 0, {}}, 0.0};
  const int count = IntegerInternals::Count(magnitude);
  for (int digit = count - 1; digit >= 0; --digit) {
    const double scaled = IntegerInternals::ShortDigit(magnitude, digit) * fraction;
    const double x = product.droppedFraction * 65536.0 + scaled;
    double whole = 0.0;
    product.droppedFraction = std::modf(x, &whole);
    // whole < 2 * 65536: the digit, and at most a carry of one upward.
    auto value = static_cast<std::uint32_t>(whole);
    for (int position = digit; value != 0 && position < 8; ++position) {
      value += product.digits.digits[position];
      product.digits.digits[position] = static_cast<std::uint16_t>(value);
      value >>= 16;
    }
  }
  return product;
}

}  // namespace

UniversalInteger UniversalInteger::operator*(double factor) const {
  if (std::isnan(factor)) throw UTypes_StatusCodeException(UTypes_Error);
  const UniversalInteger magnitude = IntegerInternals::InShortDigitForm(*this);
  if (magnitude._count == 0) {
    // Zero times any finite real is zero; times an infinity it has no value.
    if (std::isinf(factor)) throw UTypes_StatusCodeException(UTypes_Error);
    remainderReal = 0.0;
    return _zero;
  }
  double integerPart = 0.0;
  const double fraction =
      universaltypes::detail::SplitIntegerAndFraction(std::fabs(factor), integerPart);

  // The remainder is set first, so it is updated even when the sum overflows.
  const FractionalProduct fractional = MultiplyByFraction(magnitude, fraction);
  remainderReal = fractional.droppedFraction;

  // An integer part of 2^96 or more (an infinity included) overflows here.
  UniversalInteger product = IntegerInternals::CheckedMagnitudeProduct(
      *this, UniversalInteger(UniversalReal(integerPart)));
  product += IntegerInternals::FromExtended(fractional.digits, IntegerInternals::kPlus);

  if (product._count == 0) return _zero;
  // A negative zero factor does not negate.
  product._sign = static_cast<std::int16_t>(factor < 0 ? -_sign : _sign);
  return product;
}

UniversalInteger UniversalInteger::operator*(const UniversalReal& factor) const {
  return *this * static_cast<double>(factor);
}

UniversalInteger UniversalInteger::operator/(double divisor) const {
  return *this * (1.0 / divisor);
}

UniversalInteger UniversalInteger::operator/(const UniversalReal& divisor) const {
  return *this / static_cast<double>(divisor);
}
