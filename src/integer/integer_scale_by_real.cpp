// Scaling a UniversalInteger by a real. The multiplier's integer part is
// applied exactly; its fraction digit by digit in doubles, from the top digit
// down, each digit's dropped fraction carried into the next. The fraction of
// the whole product that truncation drops is kept in the remainder real.
#include <atomic>
#include <cmath>
#include <cstddef>

#include "integer/integer_internals.h"
#include "integer/split_integer_and_fraction.h"
#include "real/real_internals.h"

namespace {

// Process-wide, as hosts expect: the last product wins. Aligned for the
// atomic access of its double, which a 32-bit x86 record aligns to 4 only.
constexpr std::size_t kRemainderAlignment = std::atomic_ref<double>::required_alignment;
alignas(kRemainderAlignment) constinit UniversalReal remainderReal = RealInternals::Make(0.0);

void PublishRemainder(double dropped) {
  universaltypes::detail::StoreShared<double, kRemainderAlignment>(RealInternals::ValueWord(remainderReal),
                                                                   dropped);
}

}  // namespace

// A host reads the object itself; one that reads it while another thread
// multiplies sees either product's remainder.
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

UniversalInteger IntegerInternals::ScaledByReal(const UniversalInteger& value, double factor, double& dropped) {
  if (std::isnan(factor)) throw UTypes_StatusCodeException(UTypes_Error);
  const UniversalInteger magnitude = InShortDigitForm(value);
  if (magnitude._count == 0) {
    // Zero times any finite real is zero; times an infinity it has no value.
    if (std::isinf(factor)) throw UTypes_StatusCodeException(UTypes_Error);
    dropped = 0.0;
    PublishRemainder(dropped);
    return UniversalInteger::_zero;
  }
  double integerPart = 0.0;
  const double fraction =
      universaltypes::detail::SplitIntegerAndFraction(std::fabs(factor), integerPart);

  // The remainder is set first, so it is updated even when the sum overflows.
  const FractionalProduct fractional = MultiplyByFraction(magnitude, fraction);
  dropped = fractional.droppedFraction;
  PublishRemainder(dropped);

  // An integer part of 2^96 or more (an infinity included) overflows here.
  UniversalInteger product =
      CheckedMagnitudeProduct(value, UniversalInteger(UniversalReal(integerPart)));
  product += FromExtended(fractional.digits, kPlus);

  if (product._count == 0) return UniversalInteger::_zero;
  // A negative zero factor does not negate.
  product._sign = static_cast<std::int16_t>(factor < 0 ? -value._sign : value._sign);
  return product;
}

UniversalInteger UniversalInteger::operator*(double factor) const {
  double dropped = 0.0;
  return IntegerInternals::ScaledByReal(*this, factor, dropped);
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
