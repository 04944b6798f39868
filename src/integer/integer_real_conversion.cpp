// Conversions between UniversalInteger and doubles, both ways: the real's
// constructor from an integer lives here, as the real layer knows nothing of
// the integer's fields.
#include <cmath>

#include "integer/integer_internals.h"

UniversalReal::UniversalReal(const UniversalInteger& integer) : _value(IntegerInternals::ToDouble(integer)) {}

UniversalInteger::UniversalInteger(const UniversalReal& real) : UniversalInteger(_zero) {
  double x = real;
  if (std::isnan(x)) throw UTypes_StatusCodeException(UTypes_Error);
  if (x < 0) {
    _sign = -1;
    x = -x;
  }
  // Past 2^96 - 1 (infinity included) no word split is defined.
  if (!(x < 79228162514264337593543950336.0)) IntegerInternals::ThrowOverflow();
  // Each step is exact in doubles: scaling by powers of two, and differences
  // that fit the lower words. The first test ends at 4294967295.0 itself, so
  // 4294967295.5 takes the two-word path and gives w1 = 0.
  if (x <= 4294967295.0) {
    _words[0] = static_cast<std::uint32_t>(x);
  } else {
    if (x >= 18446744073709551616.0) {
      _words[2] = static_cast<std::uint32_t>(x / 18446744073709551616.0);
      x -= _words[2] * 18446744073709551616.0;
    }
    _words[1] = static_cast<std::uint32_t>(x * 2.3283064365386963e-10);
    _words[0] = static_cast<std::uint32_t>(x - _words[1] * 4294967296.0);
  }
  _count = IntegerInternals::CountFromWords(_words);
  if (_count == 0) _sign = 1;
}

UniversalInteger::operator double() const { return IntegerInternals::ToDouble(*this); }
