// The fixed-point route, for every literal the shorter routes decline: a
// fixed-point approximation V of v * 2^F with a proven error below 2^E
// units (kFractionBits, kErrorBits). Only when V lies within that error of
// a rounding boundary (a midpoint between two offsets, or an integer when
// truncating) is the boundary compared with the literal exactly, digit by
// digit, with bounded state. No step wraps, and the work grows linearly
// with the literal's length.
#include <cassert>
#include <cstdint>

#include "timetext/literal_routes.h"

namespace universaltypes::detail {

namespace {

// Digits the approximation reads: those past d_k change z by less than
// B^-k <= 2^-k, so k = F keeps their weight under one unit of V.
constexpr int kHeadDigits = kFractionBits;

// V ~ v * 2^F: the first digits as a binary fraction z = 0.d1 d2... by
// Horner's rule from the last digit up, a group of digits whose power of B
// fits a limb at a time (each division's truncation costs under one unit
// and earlier errors shrink by B^k), then times unit and B^X.
FixedWide Approximation(const LiteralDigits& literal) {
  // The error bound assumes both: B^X < 2^100 and at most 1200 digit
  // positions of division.
  assert(literal.position <= kOverflowingPosition && literal.position >= kNegligiblePosition);
  std::uint8_t head[kHeadDigits];
  long count = 0;
  literal.digits.ForEach([&](int digit) {
    head[count++] = static_cast<std::uint8_t>(digit);
    return count < kHeadDigits;
  });
  FixedWide value;
  for (long end = count; end > 0; end -= literal.groupDigits) {
    const long begin = end > literal.groupDigits ? end - literal.groupDigits : 0;
    std::uint32_t group = 0, power = 1;
    for (long index = begin; index < end; ++index) {
      group = group * literal.base + head[index];
      power *= literal.base;
    }
    value.SetLimb(kFractionBits / 32, group);
    value.DivideSmall(power);
  }
  for (int factor = 0; factor < literal.factors.count; ++factor) {
    value.MultiplyAdd(literal.factors.factors[factor], 0);
  }
  literal.MultiplyByPowerOfBase(value, literal.position);
  literal.DivideByPowerOfBase(value, -literal.position);
  return value;
}

// sign(v - bound / 2^F), exactly: the digits of y = 0.d1 d2 ... against
// those of c = bound / (2^F * unit * B^X), generated one by one.
int CompareExactly(const LiteralDigits& literal, const FixedWide& bound) {
  FixedWide numerator = bound;
  FixedWide denominator = FixedWide::PowerOfTwo(kFractionBits);
  for (int factor = 0; factor < literal.factors.count; ++factor) {
    denominator.MultiplyAdd(literal.factors.factors[factor], 0);
  }
  literal.MultiplyByPowerOfBase(denominator, literal.position);
  literal.MultiplyByPowerOfBase(numerator, -literal.position);
  if (numerator.Compare(denominator) >= 0) return -1;  // c >= 1 > y
  int order = 0;
  literal.digits.ForEach([&](int digit) {
    numerator.MultiplyAdd(literal.base, 0);
    int boundDigit = 0;
    for (; numerator.Compare(denominator) >= 0; ++boundDigit) numerator.Subtract(denominator);
    order = digit < boundDigit ? -1 : (digit > boundDigit ? 1 : 0);
    return order == 0;
  });
  if (order != 0) return order;
  return numerator.IsZero() ? 0 : -1;  // c has digits past y's last
}

// Where v lies against a midpoint of the fraction's rounding (v against
// whole + midpoint) or of the complement's: 1 - fraction above the midpoint
// means v below whole + 1 - midpoint.
class ExactMidpointOrder final : public MidpointOrder {
 public:
  ExactMidpointOrder(const LiteralDigits& literal, const FixedWide& whole, bool ofComplement)
      : literal_(literal), whole_(whole), ofComplement_(ofComplement) {}
  int Of(const FixedWide& midpoint) const override {
    FixedWide bound = whole_;
    if (!ofComplement_) {
      bound.Add(midpoint);
      return CompareExactly(literal_, bound);
    }
    bound.Add(FixedWide::PowerOfTwo(kFractionBits));
    bound.Subtract(midpoint);
    return -CompareExactly(literal_, bound);
  }

 private:
  const LiteralDigits& literal_;
  const FixedWide& whole_;
  bool ofComplement_;
};

}  // namespace

UniversalTime FixedPointRoute(const LiteralDigits& literal, bool analog) {
  const FixedWide value = Approximation(literal);
  FixedWide whole = value.From(kFractionBits);
  const FixedWide fraction = value.Below(kFractionBits);
  const FixedWide unitFixed = FixedWide::PowerOfTwo(kFractionBits);
  const bool negative = literal.number.negative;
  if (!analog) {
    // Truncation needs the exact floor: near an integer, ask the digits.
    FixedWide nearInteger = whole;
    FixedWide upper = unitFixed;
    upper.Subtract(FixedWide::PowerOfTwo(kErrorBits));
    if (fraction.Compare(upper) >= 0) nearInteger.Add(unitFixed);
    const bool near = fraction.HighestBit() < kErrorBits || fraction.Compare(upper) >= 0;
    if (near) {
      whole = nearInteger;
      if (CompareExactly(literal, nearInteger) < 0) whole.Subtract(unitFixed);
    }
    return Assemble(ToInteger(whole, kFractionBits), false, negative, false, [] { return 0.0; },
                    [] { return 0.0; });
  }
  const auto fractionRounded = [&] { return RoundFraction(fraction, ExactMidpointOrder(literal, whole, false)); };
  const auto complementRounded = [&] {
    FixedWide complement = unitFixed;
    complement.Subtract(fraction);
    return RoundFraction(complement, ExactMidpointOrder(literal, whole, true));
  };
  return Assemble(ToInteger(whole, kFractionBits), !fraction.IsZero(), negative, true, fractionRounded,
                  complementRounded);
}

}  // namespace universaltypes::detail
