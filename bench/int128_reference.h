// The fastest plain peer of UniversalInteger: a sign and a magnitude in the
// compiler's unsigned 128-bit type, with the same 96-bit limit, the same
// truncating division and the same rem and mod signs. Products keep their
// low 96 bits like the library's. Everything is inline, so in process the
// compiler sees through it; int128_flat_reference.cpp wraps the same code in
// the flat interface's records.
#ifndef UNIVERSALTYPES_BENCH_INT128_REFERENCE_H
#define UNIVERSALTYPES_BENCH_INT128_REFERENCE_H

#include <bit>
#include <cmath>
#include <cstdint>

// __extension__ keeps -Wpedantic quiet about the compiler's 128-bit types.
__extension__ typedef unsigned __int128 Uint128;
__extension__ typedef __int128 Int128;

namespace bench {

inline constexpr Uint128 kMax96 = (Uint128{1} << 96) - 1;

inline constexpr Uint128 MagnitudeOf(Int128 value) {
  return value < 0 ? -static_cast<Uint128>(value) : static_cast<Uint128>(value);
}

// The number of significant bits (0 for zero).
inline constexpr int BitWidth(Uint128 value) {
  const auto high = static_cast<std::uint64_t>(value >> 64);
  return high != 0 ? 128 - std::countl_zero(high) : 64 - std::countl_zero(static_cast<std::uint64_t>(value));
}

struct ReferenceOverflow {};
struct ReferenceDivisionByZero {};

// Zero always carries the plus sign.
class Int128Integer {
 public:
  constexpr Int128Integer() = default;

  // The caller keeps magnitude within 96 bits.
  static constexpr Int128Integer FromParts(bool negative, Uint128 magnitude) {
    return Int128Integer(negative, magnitude);
  }
  // Throws ReferenceOverflow past 2^96 - 1.
  static constexpr Int128Integer Checked(bool negative, Uint128 magnitude) {
    if (magnitude > kMax96) throw ReferenceOverflow{};
    return Int128Integer(negative, magnitude);
  }
  // Truncates toward zero; NaN, infinities and |x| >= 2^96 are refused.
  static Int128Integer FromDouble(double x) {
    if (!(std::fabs(x) < 79228162514264337593543950336.0)) throw ReferenceOverflow{};
    return Int128Integer(x < 0, static_cast<Uint128>(std::fabs(x)));
  }

  constexpr bool negative() const { return negative_; }
  constexpr Uint128 magnitude() const { return magnitude_; }
  explicit operator double() const {
    const double magnitude = static_cast<double>(magnitude_);
    return negative_ ? -magnitude : magnitude;
  }

  friend constexpr Int128Integer operator+(const Int128Integer& a, const Int128Integer& b) {
    if (a.negative_ == b.negative_) return Checked(a.negative_, a.magnitude_ + b.magnitude_);
    if (a.magnitude_ >= b.magnitude_) return Int128Integer(a.negative_, a.magnitude_ - b.magnitude_);
    return Int128Integer(b.negative_, b.magnitude_ - a.magnitude_);
  }
  friend constexpr Int128Integer operator-(const Int128Integer& a, const Int128Integer& b) {
    return a + Int128Integer(!b.negative_, b.magnitude_);
  }
  friend constexpr Int128Integer operator*(const Int128Integer& a, const Int128Integer& b) {
    return Int128Integer(a.negative_ != b.negative_, (a.magnitude_ * b.magnitude_) & kMax96);
  }
  friend constexpr Int128Integer operator/(const Int128Integer& a, const Int128Integer& b) {
    if (b.magnitude_ == 0) {
      if (a.magnitude_ == 0) return {};
      throw ReferenceDivisionByZero{};
    }
    return Int128Integer(a.negative_ != b.negative_, a.magnitude_ / b.magnitude_);
  }
  // The dividend's sign; by zero, zero.
  friend constexpr Int128Integer Rem(const Int128Integer& a, const Int128Integer& b) {
    if (b.magnitude_ == 0) return {};
    return Int128Integer(a.negative_, a.magnitude_ % b.magnitude_);
  }
  // The divisor's sign; by zero, the dividend.
  friend constexpr Int128Integer Mod(const Int128Integer& a, const Int128Integer& b) {
    if (b.magnitude_ == 0) return a;
    Uint128 rest = a.magnitude_ % b.magnitude_;
    if (rest != 0 && a.negative_ != b.negative_) rest = b.magnitude_ - rest;
    return Int128Integer(b.negative_, rest);
  }

  friend constexpr bool operator==(const Int128Integer& a, const Int128Integer& b) = default;
  friend constexpr bool operator<(const Int128Integer& a, const Int128Integer& b) {
    if (a.negative_ != b.negative_) return a.negative_;
    return a.negative_ ? b.magnitude_ < a.magnitude_ : a.magnitude_ < b.magnitude_;
  }

 private:
  constexpr Int128Integer(bool negative, Uint128 magnitude)
      : negative_(negative && magnitude != 0), magnitude_(magnitude) {}

  bool negative_ = false;
  Uint128 magnitude_ = 0;
};

// magnitude * factor (factor >= 0 and finite) as its whole part, truncated,
// and the fraction truncation drops. Exact up to the final rounding of the
// dropped fraction to a double.
struct ScaledMagnitude {
  Uint128 whole;
  double dropped;
};

inline ScaledMagnitude MultiplyByDouble(Uint128 magnitude, double factor) {
  if (!std::isfinite(factor)) throw ReferenceOverflow{};
  int exponent = 0;
  const auto mantissa = static_cast<std::uint64_t>(std::ldexp(std::frexp(factor, &exponent), 53));
  exponent -= 53;  // factor = mantissa * 2^exponent
  // The product of up to 96 and 53 bits, as high * 2^64 + low.
  const Uint128 lowProduct = static_cast<Uint128>(static_cast<std::uint64_t>(magnitude)) * mantissa;
  const Uint128 high = static_cast<Uint128>(static_cast<std::uint64_t>(magnitude >> 64)) * mantissa +
                       (lowProduct >> 64);
  const auto low = static_cast<std::uint64_t>(lowProduct);
  const int productBits = high != 0 ? 64 + BitWidth(high) : BitWidth(low);
  if (productBits + exponent > 96) throw ReferenceOverflow{};
  if (exponent >= 0) return {((high << 64) | low) << exponent, 0.0};
  const int shift = -exponent;
  if (shift >= productBits) {
    return {0, std::ldexp(static_cast<double>(high), 64 - shift) + std::ldexp(static_cast<double>(low), -shift)};
  }
  // Below productBits <= 96 + shift, so the whole part fits.
  if (shift >= 64) {
    const Uint128 droppedHigh = high & ((Uint128{1} << (shift - 64)) - 1);
    return {high >> (shift - 64),
            std::ldexp(static_cast<double>(droppedHigh), 64 - shift) + std::ldexp(static_cast<double>(low), -shift)};
  }
  const std::uint64_t droppedLow = low & ((std::uint64_t{1} << shift) - 1);
  return {(high << (64 - shift)) | (low >> shift), std::ldexp(static_cast<double>(droppedLow), -shift)};
}

// The library's operator*(double): |a| * |factor| truncated, with the sign
// of the exact product.
inline Int128Integer TimesDouble(const Int128Integer& a, double factor) {
  if (std::isnan(factor)) throw ReferenceDivisionByZero{};
  const ScaledMagnitude product = MultiplyByDouble(a.magnitude(), std::fabs(factor));
  return Int128Integer::Checked(a.negative() != (factor < 0), product.whole);
}

// The 16-byte record of the flat interface, field by field.
struct IntegerRecord {
  std::int16_t sign;
  std::int16_t digitCount;
  std::uint32_t words[3];
};
static_assert(sizeof(IntegerRecord) == 16);

inline Int128Integer FromRecord(const IntegerRecord& record) {
  const Uint128 magnitude = (static_cast<Uint128>(record.words[2]) << 64) |
                            (static_cast<Uint128>(record.words[1]) << 32) | record.words[0];
  return Int128Integer::FromParts(record.sign < 0, magnitude);
}

inline IntegerRecord ToRecord(const Int128Integer& value) {
  const Uint128 magnitude = value.magnitude();
  const int bits = BitWidth(magnitude);
  return {static_cast<std::int16_t>(value.negative() ? -1 : 1), static_cast<std::int16_t>((bits + 15) / 16),
          {static_cast<std::uint32_t>(magnitude), static_cast<std::uint32_t>(magnitude >> 32),
           static_cast<std::uint32_t>(magnitude >> 64)}};
}

}  // namespace bench

#endif  // UNIVERSALTYPES_BENCH_INT128_REFERENCE_H
