// Exact literal values. Write the literal as v = unit * 0.d1 d2 ... dD * B^X
// with d1 and dD nonzero (leading and trailing zeros cost nothing).
//
// Short literals take the short route: N = d1...dD and unit * N fit in 128
// bits, and v = unit * N * B^K (K = X - D) is either a whole number or a
// quotient by B^-K <= 2^53, whose remainder over B^-K is one correctly
// rounded double division.
//
// Everything else goes through a fixed-point approximation V of v * 2^F
// with F = 1344 fractional bits and a proven error below 2^168 units, far
// under the finest rounding step of an offset (2^-1074 fs, bit 270). Only
// when V lies within that error of a rounding boundary (a midpoint between
// two offsets, or an integer when truncating) is the boundary compared with
// the literal exactly, digit by digit, with bounded state. No step wraps,
// and the work grows linearly with the literal's length.
#include "timetext/exact_literal_value.h"

#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <system_error>

#include "integer/wide_unsigned.h"
#include "time/time_internals.h"
#include "timetext/rounded_quotient.h"
#include "timetext/time_units.h"

namespace universaltypes::detail {

namespace {

// F, the fractional bits of V. The finest step an offset can take is the
// least subnormal, 2^-1074 fs, bit F - 1074 of V; F = 1074 + 270 puts that
// step 270 bits above V's unit, far over the error bound below, and is a
// whole number of limbs (42).
constexpr int kFractionBits = 1074 + 270;
// The bound on |V - v * 2^F|, in units of V. The head's binary fraction z
// is off by under 4 units: under 2 from the truncating divisions of Horner's
// rule (each under one, every earlier one halved at least by the next), and
// under 1 from the digits past the head. Scaling multiplies that by the
// unit's femtoseconds (at most 3600 * 10^15 < 2^62) and by B^X, where
// B^(X-1) < 2^96 (RefuseWhatCannotFit) gives B^X < 2^100 for B <= 16: under
// 2^(2 + 62 + 100) = 2^164. A negative X divides instead, each of its at
// most 1200 / 7 + 31 divisions adding under one unit to an error already
// below 2^64. 2^168 leaves room and stays 2^102 below the finest offset
// step (bit 270).
constexpr int kErrorBits = 168;
// Digits the approximation reads: those past d_k change z by less than
// B^-k <= 2^-k, so k = F keeps their weight under one unit of V.
constexpr int kHeadDigits = kFractionBits;
// Below B^-1200 * unit every v rounds to zero ticks and offset 0.0: it is
// at most 2^-1200 * 2^62 fs, under half the least subnormal 2^-1074.
constexpr long kNegligiblePosition = -1200;
// Exponents saturate here, far beyond both bounds that refuse or settle a
// literal (v >= 2^96 and v < B^-1200 * unit), so the digit loop never wraps.
constexpr long kSaturatedExponent = 1000000000;
// B^(X-1) >= 2^(X-1) passes 2^96 for any X above this: no tick count holds
// the value, whatever the base.
constexpr long kOverflowingPosition = 200;
static_assert(kFractionBits % 32 == 0, "V's fraction is a whole number of limbs");
static_assert(kFractionBits - 1074 > kErrorBits, "the error stays below the finest offset step");
// 10^27 < 2^90: the decimal route's divisors leave RoundedQuotient room.
constexpr long kDecimalRoutePlaces = 27;
// Significant digits the tiny route writes out for from_chars.
constexpr long kTinyRouteDigits = 40;
// 10^-325 < 2^-1075: a value below it rounds to an offset of +0.0.
constexpr long kBelowHalfTheLeastOffset = -325;

using Short = WideUnsigned<4>;
using Fixed = WideUnsigned<64>;

// Through the integer's own overflow, so the status word reads 1 afterwards.
[[noreturn]] void ThrowOverflow() { IntegerInternals::ThrowOverflow(); }

// The significant digits d1..dD of the integer and fraction runs, in order.
class SignificantDigits {
 public:
  explicit SignificantDigits(const LiteralNumber& number) : number_(number) {
    long index = 0;
    long first = -1, last = -1;
    ForEachMantissaDigit([&](int digit) {
      if (digit != 0) {
        if (first < 0) first = index;
        last = index;
      }
      ++index;
      return true;
    });
    leadingZeros_ = first < 0 ? index : first;
    count_ = first < 0 ? 0 : last - first + 1;
  }

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

long SaturatedExponent(const LiteralNumber& number) {
  long exponent = 0;
  ForEachDigit(*number.text, number.exponentRun, number.base, [&](int digit) {
    if (exponent < kSaturatedExponent) exponent = exponent * number.base + digit;
  });
  if (exponent > kSaturatedExponent) exponent = kSaturatedExponent;
  return number.negativeExponent ? -exponent : exponent;
}

// The bits of value from fromBit (a limb boundary) up, as tick magnitude.
template <int Limbs>
UniversalInteger ToInteger(const WideUnsigned<Limbs>& value, int fromBit) {
  if (value.HighestBit() >= fromBit + 96) ThrowOverflow();
  const int limb = fromBit / 32;
  return IntegerInternals::FromMagnitude(IntegerInternals::kPlus,
                                         std::uint64_t{value.Limb(limb + 1)} << 32 | value.Limb(limb),
                                         value.Limb(limb + 2));
}

// Builds the time from |v| = whole + fraction: fraction() and complement()
// round the fraction and 1 - fraction to doubles (1.0 meaning a carry).
template <typename Fraction, typename Complement>
UniversalTime Assemble(const UniversalInteger& whole, bool fractionNonzero, bool negative,
                       bool analog, Fraction&& fraction, Complement&& complement) {
  const UniversalInteger& one = UniversalInteger::Get_TheConstantOne();
  UniversalInteger magnitude = whole;
  double offset = 0.0;
  if (analog && fractionNonzero) {
    // floor(-|v|) is -(whole + 1), with offset 1 - fraction.
    offset = negative ? complement() : fraction();
    const bool carry = offset >= 1.0;
    if (carry) offset = 0.0;
    // A carry moves the floor up by one: toward zero for a negative value.
    if (carry != negative) magnitude = magnitude + one;
  }
  const UniversalInteger ticks =
      negative ? UniversalInteger::Get_TheConstantZero() - magnitude : magnitude;
  return TimeInternals::Normalized(ticks, offset);
}

// The power of ten a unit is in femtoseconds; false for min and hr.
bool DecimalUnitExponent(TimeUnit unit, long& exponent) {
  if (!IsTimeUnit(unit) || Unit(unit).powerOfTen < 0) return false;
  exponent = Unit(unit).powerOfTen;
  return true;
}

// A unit as multiple * 10^exponent femtoseconds: 60 and 3600 sec for min
// and hr.
void UnitAsMultipleOfPowerOfTen(TimeUnit unit, std::uint32_t& multiple, long& exponent) {
  multiple = 1;
  if (DecimalUnitExponent(unit, exponent)) return;
  multiple = static_cast<std::uint32_t>(Unit(unit).femtoseconds / kFemtosecondsPerSecond);
  exponent = Unit(TimeUnit_sec).powerOfTen;
}

template <int Limbs>
Magnitude96 LowWords(const WideUnsigned<Limbs>& value) {
  return {std::uint64_t{value.Limb(1)} << 32 | value.Limb(0), value.Limb(2)};
}

class LiteralValue {
 public:
  LiteralValue(const LiteralNumber& number, bool analog)
      : number_(number), analog_(analog), digits_(number), base_(static_cast<std::uint32_t>(number.base)),
        factors_(FactorsOf(number.unit)) {
    position_ = number.integerRun.digits - digits_.leadingZeros() + SaturatedExponent(number);
    while (groupPower_ <= (std::uint32_t{0xFFFFFFFF} / base_)) {
      groupPower_ *= base_;
      ++groupDigits_;
    }
  }

  UniversalTime Compute() const {
    if (digits_.count() == 0 || position_ < kNegligiblePosition) return UniversalTime();
    RefuseWhatCannotFit();
    UniversalTime result;
    const std::optional<Short> significand = Significand();
    if (TryShortRoute(significand, result) || TryTinyRoute(result) || TryDecimalRoute(significand, result)) {
      return result;
    }
    return FixedPointRoute();
  }

 private:
  // N = d1...dD, read once for the routes that need it; empty beyond 128
  // bits.
  std::optional<Short> Significand() const {
    Short n;
    bool fits = true;
    digits_.ForEach([&](int digit) { return fits = n.MultiplyAdd(base_, static_cast<std::uint32_t>(digit)); });
    if (!fits) return std::nullopt;
    return n;
  }

  // v >= B^(X-1): once that reaches 2^96 no tick count holds it.
  void RefuseWhatCannotFit() const {
    if (position_ > kOverflowingPosition) ThrowOverflow();
    Short lowest;
    lowest.SetLimb(0, 1);
    for (long step = 1; step < position_; ++step) {
      if (!lowest.MultiplyAdd(base_, 0)) ThrowOverflow();
    }
    if (lowest.HighestBit() >= 96) ThrowOverflow();
  }

  bool TryShortRoute(const std::optional<Short>& significand, UniversalTime& result) const {
    if (!significand) return false;
    Short n = *significand;
    bool fits = true;
    for (int factor = 0; fits && factor < factors_.count; ++factor) fits = n.MultiplyAdd(factors_.factors[factor], 0);
    if (!fits) return false;
    const long scale = position_ - digits_.count();
    if (scale >= 0) {
      for (long step = 0; step < scale; ++step) {
        if (!n.MultiplyAdd(base_, 0)) ThrowOverflow();
      }
      result = Assemble(ToInteger(n, 0), false, number_.negative, analog_, [] { return 0.0; }, [] { return 0.0; });
      return true;
    }
    // B^-K first: dividing is dear, and not worth starting for a
    // denominator that will not fit.
    std::uint64_t denominator = 1;
    for (long step = 0; step < -scale; ++step) {
      if (denominator > (std::uint64_t{1} << 53) / base_) return false;
      denominator *= base_;
    }
    std::uint64_t remainder = 0;
    for (std::uint64_t weight = 1; weight < denominator; weight *= base_) remainder += weight * n.DivideSmall(base_);
    // Both below 2^53: one IEEE division rounds the quotient correctly.
    const auto over = [denominator](std::uint64_t numerator) {
      return static_cast<double>(numerator) / static_cast<double>(denominator);
    };
    result = Assemble(ToInteger(n, 0), remainder != 0, number_.negative, analog_,
                      [&] { return over(remainder); }, [&] { return over(denominator - remainder); });
    return true;
  }

  // A decimal literal whose digits times its unit's multiple fit 96 bits
  // and whose last digit stands for at least 10^-27 fs, such as 28 digits
  // of a ns: v = N * multiple / 10^k, so the 96-bit division gives the
  // ticks, and its remainder over 10^k, rounded bit by bit, the offset.
  bool TryDecimalRoute(const std::optional<Short>& significand, UniversalTime& result) const {
    if (number_.base != 10 || !significand) return false;
    std::uint32_t multiple = 1;
    long unitExponent = 0;
    UnitAsMultipleOfPowerOfTen(number_.unit, multiple, unitExponent);
    const long places = digits_.count() - position_ - unitExponent;  // k
    if (places < 1 || places > kDecimalRoutePlaces) return false;
    Short numerator = *significand;
    if (!numerator.MultiplyAdd(multiple, 0) || numerator.HighestBit() >= 96) return false;
    Short powerOfTen;
    powerOfTen.SetLimb(0, 1);
    MultiplyByPowerOfBase(powerOfTen, places);
    const Magnitude96 divisor = LowWords(powerOfTen);
    Magnitude96 whole{}, rest{};
    Magnitude96::Divide(LowWords(numerator), divisor, whole, rest);
    const Magnitude96 complement = Magnitude96::Subtract(divisor, rest);
    result = Assemble(whole.WithSign(IntegerInternals::kPlus), !rest.IsZero(), number_.negative, analog_,
                      [&] { return RoundedQuotient(rest, divisor); },
                      [&] { return RoundedQuotient(complement, divisor); });
    return true;
  }

  // A literal below a tenth of a femtosecond in a decimal unit ('1.5E-300
  // sec') has zero ticks and, while analog, the decimal correctly rounded
  // to a double as its offset: from_chars rounds to nearest, ties to even,
  // without the fixed-point work whose cost grows with the exponent. Under
  // a tenth no rounding reaches 1.0, so nothing carries. An offset that
  // underflows to zero near the least subnormal, and long digit strings,
  // stay with the exact route.
  bool TryTinyRoute(UniversalTime& result) const {
    long unitExponent = 0;
    if (number_.base != 10 || number_.negative || !DecimalUnitExponent(number_.unit, unitExponent)) {
      return false;
    }
    const long magnitude = position_ + unitExponent;  // v < 10^magnitude fs
    if (magnitude > -1) return false;
    double offset = 0.0;  // also below 10^-325 fs, under half the least subnormal
    if (analog_ && magnitude > kBelowHalfTheLeastOffset) {
      if (digits_.count() > kTinyRouteDigits) return false;
      char text[kTinyRouteDigits + 24];
      char* end = text;
      digits_.ForEach([&](int digit) {
        *end++ = static_cast<char>('0' + digit);
        return true;
      });
      *end++ = 'e';
      end = std::to_chars(end, text + sizeof text, magnitude - digits_.count()).ptr;
      const std::from_chars_result read = std::from_chars(text, end, offset, std::chars_format::scientific);
      if (read.ec != std::errc() || read.ptr != end || offset == 0.0) return false;
    }
    result = Assemble(UniversalInteger::Get_TheConstantZero(), offset != 0.0, false, analog_,
                      [offset] { return offset; }, [] { return 0.0; });
    return true;
  }

  // value * B^steps, exactly, a limb's worth of digits at a time.
  template <typename Wide>
  void MultiplyByPowerOfBase(Wide& value, long steps) const {
    for (; steps >= groupDigits_; steps -= groupDigits_) value.MultiplyAdd(groupPower_, 0);
    for (; steps > 0; --steps) value.MultiplyAdd(base_, 0);
  }

  // value / B^steps, truncated at each of the few divisions.
  void DivideByPowerOfBase(Fixed& value, long steps) const {
    for (; steps >= groupDigits_; steps -= groupDigits_) value.DivideSmall(groupPower_);
    for (; steps > 0; --steps) value.DivideSmall(base_);
  }

  // V ~ v * 2^F: the first digits as a binary fraction z = 0.d1 d2... by
  // Horner's rule from the last digit up, a group of digits whose power of B
  // fits a limb at a time (each division's truncation costs under one unit
  // and earlier errors shrink by B^k), then times unit and B^X.
  Fixed Approximation() const {
    // The error bound above assumes both: B^X < 2^100 and at most 1200
    // digit positions of division.
    assert(position_ <= kOverflowingPosition && position_ >= kNegligiblePosition);
    std::uint8_t head[kHeadDigits];
    long count = 0;
    digits_.ForEach([&](int digit) {
      head[count++] = static_cast<std::uint8_t>(digit);
      return count < kHeadDigits;
    });
    Fixed value;
    for (long end = count; end > 0; end -= groupDigits_) {
      const long begin = end > groupDigits_ ? end - groupDigits_ : 0;
      std::uint32_t group = 0, power = 1;
      for (long index = begin; index < end; ++index) {
        group = group * base_ + head[index];
        power *= base_;
      }
      value.SetLimb(kFractionBits / 32, group);
      value.DivideSmall(power);
    }
    for (int factor = 0; factor < factors_.count; ++factor) value.MultiplyAdd(factors_.factors[factor], 0);
    MultiplyByPowerOfBase(value, position_);
    DivideByPowerOfBase(value, -position_);
    return value;
  }

  // sign(v - bound / 2^F), exactly: the digits of y = 0.d1 d2 ... against
  // those of c = bound / (2^F * unit * B^X), generated one by one.
  int CompareExactly(const Fixed& bound) const {
    Fixed numerator = bound;
    Fixed denominator = Fixed::PowerOfTwo(kFractionBits);
    for (int factor = 0; factor < factors_.count; ++factor) denominator.MultiplyAdd(factors_.factors[factor], 0);
    MultiplyByPowerOfBase(denominator, position_);
    MultiplyByPowerOfBase(numerator, -position_);
    if (numerator.Compare(denominator) >= 0) return -1;  // c >= 1 > y
    int order = 0;
    digits_.ForEach([&](int digit) {
      numerator.MultiplyAdd(base_, 0);
      int boundDigit = 0;
      for (; numerator.Compare(denominator) >= 0; ++boundDigit) numerator.Subtract(denominator);
      order = digit < boundDigit ? -1 : (digit > boundDigit ? 1 : 0);
      return order == 0;
    });
    if (order != 0) return order;
    return numerator.IsZero() ? 0 : -1;  // c has digits past y's last
  }

  // Rounds x / 2^F (x < 2^F) to a double; boundaryOrder(midpoint) tells on
  // which side of a midpoint the exact value lies when V cannot.
  template <typename BoundaryOrder>
  static double RoundFraction(const Fixed& x, BoundaryOrder&& boundaryOrder) {
    assert(x.HighestBit() < kFractionBits);
    const int top = x.HighestBit();
    if (top < 0) return 0.0;
    // 53 significant bits, or fewer where subnormal offsets end at 2^-1074.
    const int lowestKept = top - 52 > kFractionBits - 1074 ? top - 52 : kFractionBits - 1074;
    std::uint64_t mantissa = top >= lowestKept ? x.Bits(lowestKept, top - lowestKept + 1) : 0;
    const Fixed rest = x.Below(lowestKept);
    const Fixed half = Fixed::PowerOfTwo(lowestKept - 1);
    Fixed low = half, high = half;
    low.Subtract(Fixed::PowerOfTwo(kErrorBits));
    high.Add(Fixed::PowerOfTwo(kErrorBits));
    int order = rest.Compare(high) >= 0 ? 1 : (rest.Compare(low) <= 0 ? -1 : 0);
    if (order == 0) {
      Fixed midpoint = x.From(lowestKept);
      midpoint.Add(half);
      order = boundaryOrder(midpoint);
      if (order == 0) order = (mantissa & 1u) != 0 ? 1 : -1;  // ties to even
    }
    if (order > 0) ++mantissa;
    return std::ldexp(static_cast<double>(mantissa), lowestKept - kFractionBits);
  }

  UniversalTime FixedPointRoute() const {
    const Fixed value = Approximation();
    Fixed whole = value.From(kFractionBits);
    const Fixed fraction = value.Below(kFractionBits);
    const Fixed unitFixed = Fixed::PowerOfTwo(kFractionBits);
    if (!analog_) {
      // Truncation needs the exact floor: near an integer, ask the digits.
      Fixed nearInteger = whole;
      Fixed upper = unitFixed;
      upper.Subtract(Fixed::PowerOfTwo(kErrorBits));
      if (fraction.Compare(upper) >= 0) nearInteger.Add(unitFixed);
      const bool near = fraction.HighestBit() < kErrorBits || fraction.Compare(upper) >= 0;
      if (near) {
        whole = nearInteger;
        if (CompareExactly(nearInteger) < 0) whole.Subtract(unitFixed);
      }
      return Assemble(ToInteger(whole, kFractionBits), false, number_.negative, false, [] { return 0.0; },
                      [] { return 0.0; });
    }
    const auto fractionRounded = [&] {
      return RoundFraction(fraction, [&](const Fixed& midpoint) {
        Fixed bound = whole;
        bound.Add(midpoint);
        return CompareExactly(bound);
      });
    };
    const auto complementRounded = [&] {
      Fixed complement = unitFixed;
      complement.Subtract(fraction);
      return RoundFraction(complement, [&](const Fixed& midpoint) {
        // 1 - fraction above the midpoint means v below whole + 1 - midpoint.
        Fixed bound = whole;
        bound.Add(unitFixed);
        bound.Subtract(midpoint);
        return -CompareExactly(bound);
      });
    };
    return Assemble(ToInteger(whole, kFractionBits), !fraction.IsZero(), number_.negative, true,
                    fractionRounded, complementRounded);
  }

  const LiteralNumber& number_;
  bool analog_;
  SignificantDigits digits_;
  std::uint32_t base_;
  UnitFactors factors_;
  long position_ = 0;  // X
  // B^k, the largest power of B a limb holds, and k.
  std::uint32_t groupPower_ = 1;
  long groupDigits_ = 0;
};

}  // namespace

UniversalTime ExactLiteralValue(const LiteralNumber& number, bool analog) {
  return LiteralValue(number, analog).Compute();
}

}  // namespace universaltypes::detail
