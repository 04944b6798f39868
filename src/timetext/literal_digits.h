// The digits of a literal as every exact route reads them: write the value
// as v = unit * 0.d1 d2 ... dD * B^X with d1 and dD nonzero (leading and
// trailing zeros cost nothing). LiteralDigits holds B, X, the unit's factors
// and a view of d1..dD; no route reads the literal's text otherwise.
#ifndef UNIVERSALTYPES_SRC_TIMETEXT_LITERAL_DIGITS_H
#define UNIVERSALTYPES_SRC_TIMETEXT_LITERAL_DIGITS_H

#include <cstdint>
#include <optional>

#include "integer/wide_unsigned.h"
#include "timetext/exact_literal_value.h"
#include "timetext/time_units.h"

namespace universaltypes::detail {

// The significant digits d1..dD of the integer and fraction runs, in order.
class SignificantDigits {
 public:
  explicit SignificantDigits(const LiteralNumber& number);

  long count() const { return count_; }
  long leadingZeros() const { return leadingZeros_; }

  // visit(digit) for d1..dD; it returns false to stop early.
  template <typename Visit>
  void ForEach(Visit&& visit) const {
    long index = 0;
    ForEachMantissaDigit([&](int digit) {
      const long position = index++ - leadingZeros_;
      if (position < 0) return true;
      return position < count_ && visit(digit);
    });
  }

 private:
  template <typename Visit>
  void ForEachMantissaDigit(Visit&& visit) const {
    for (const DigitRun* run : {&number_.integerRun, &number_.fractionRun}) {
      for (long index = run->begin; index < run->end; ++index) {
        const char c = (*number_.text)[index];
        if (c != '_' && !visit(DigitValue(c, (*number_.text)[index + 1], number_.base))) return;
      }
    }
  }

  const LiteralNumber& number_;
  long leadingZeros_ = 0;
  long count_ = 0;
};

// The written exponent, held at +-kSaturatedExponent.
long SaturatedExponent(const LiteralNumber& number);

// The power of ten a unit is in femtoseconds; false for min and hr.
bool DecimalUnitExponent(TimeUnit unit, long& exponent);

// N = d1...dD and unit * N fit here for the short and decimal routes.
using ShortWide = WideUnsigned<4>;

struct LiteralDigits {
  explicit LiteralDigits(const LiteralNumber& literal);

  // N = d1...dD, empty beyond 128 bits.
  std::optional<ShortWide> Significand() const;

  // value * B^steps, exactly, a limb's worth of digits at a time.
  template <typename Wide>
  void MultiplyByPowerOfBase(Wide& value, long steps) const {
    for (; steps >= groupDigits; steps -= groupDigits) value.MultiplyAdd(groupPower, 0);
    for (; steps > 0; --steps) value.MultiplyAdd(base, 0);
  }

  // value / B^steps, truncated at each of the few divisions.
  template <typename Wide>
  void DivideByPowerOfBase(Wide& value, long steps) const {
    for (; steps >= groupDigits; steps -= groupDigits) value.DivideSmall(groupPower);
    for (; steps > 0; --steps) value.DivideSmall(base);
  }

  const LiteralNumber& number;
  SignificantDigits digits;
  std::uint32_t base;
  UnitFactors factors;
  long position;  // X
  // B^k, the largest power of B a limb holds, and k.
  std::uint32_t groupPower = 1;
  long groupDigits = 0;
};

}  // namespace universaltypes::detail

#endif
