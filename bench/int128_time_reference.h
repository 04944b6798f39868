// The plain peer of UniversalTime: signed 128-bit femtosecond ticks within
// the same 96-bit limit, and an offset in [0, 1) fs that additions carry and
// scaling moves back into the ticks, as the library does with its analog
// flag set.
#ifndef UNIVERSALTYPES_BENCH_INT128_TIME_REFERENCE_H
#define UNIVERSALTYPES_BENCH_INT128_TIME_REFERENCE_H

#include <cmath>

#include "int128_reference.h"

namespace bench {

class Int128Time {
 public:
  constexpr Int128Time() = default;
  // Whole femtoseconds of the offset move into the ticks.
  static Int128Time Normalized(Int128 ticks, double offset) {
    if (offset < 0.0) {
      const double borrow = 1.0 - std::trunc(offset);
      ticks -= static_cast<Int128>(borrow);
      offset += borrow;
    }
    if (offset >= 1.0) {
      const double whole = std::trunc(offset);
      ticks += static_cast<Int128>(whole);
      offset -= whole;
    }
    return Int128Time(CheckedTicks(ticks), offset);
  }

  constexpr Int128 ticks() const { return ticks_; }
  constexpr double offset() const { return offset_; }

  friend Int128Time operator+(const Int128Time& a, const Int128Time& b) {
    const double offset = a.offset_ + b.offset_;
    // Two offsets below 1.0 sum below 2.0: one carry at most.
    if (offset >= 1.0) return Int128Time(CheckedTicks(a.ticks_ + b.ticks_ + 1), offset - 1.0);
    return Int128Time(CheckedTicks(a.ticks_ + b.ticks_), offset);
  }
  friend Int128Time operator-(const Int128Time& a, const Int128Time& b) {
    const double offset = a.offset_ - b.offset_;
    if (offset < 0.0) return Int128Time(CheckedTicks(a.ticks_ - b.ticks_ - 1), offset + 1.0);
    return Int128Time(CheckedTicks(a.ticks_ - b.ticks_), offset);
  }
  // Ticks keep their low 96 bits, like an integer product.
  friend Int128Time operator*(const Int128Time& a, int factor) {
    const Int128Integer product = TicksAsInteger(a.ticks_) * Int128Integer::FromParts(factor < 0, MagnitudeOf(factor));
    return Normalized(Signed(product), a.offset_ * factor);
  }
  friend Int128Time operator/(const Int128Time& a, int divisor) {
    if (divisor == 0) throw ReferenceDivisionByZero{};
    return Normalized(a.ticks_ / divisor, (static_cast<double>(a.ticks_ % divisor) + a.offset_) / divisor);
  }
  friend Int128Time operator*(const Int128Time& a, double factor) { return Scaled(a, factor, a.offset_ * factor); }
  friend Int128Time operator/(const Int128Time& a, double divisor) {
    if (divisor == 0.0) throw ReferenceDivisionByZero{};
    return Scaled(a, 1.0 / divisor, a.offset_ / divisor);
  }

  friend bool operator==(const Int128Time& a, const Int128Time& b) = default;
  friend bool operator<(const Int128Time& a, const Int128Time& b) {
    return a.ticks_ != b.ticks_ ? a.ticks_ < b.ticks_ : a.offset_ < b.offset_;
  }

 private:
  constexpr Int128Time(Int128 ticks, double offset) : ticks_(ticks), offset_(offset) {}

  static Int128 CheckedTicks(Int128 ticks) {
    if (ticks > static_cast<Int128>(kMax96) || ticks < -static_cast<Int128>(kMax96)) throw ReferenceOverflow{};
    return ticks;
  }
  static Int128Integer TicksAsInteger(Int128 ticks) { return Int128Integer::FromParts(ticks < 0, MagnitudeOf(ticks)); }
  static Int128 Signed(const Int128Integer& value) {
    const auto magnitude = static_cast<Int128>(value.magnitude());
    return value.negative() ? -magnitude : magnitude;
  }

  // Ticks times factor, what truncation drops signed like the exact product.
  static Int128Time Scaled(const Int128Time& a, double factor, double scaledOffset) {
    if (std::isnan(factor)) throw ReferenceDivisionByZero{};
    const ScaledMagnitude product = MultiplyByDouble(MagnitudeOf(a.ticks_), std::fabs(factor));
    const bool negative = (a.ticks_ < 0) != (factor < 0);
    const auto whole = static_cast<Int128>(product.whole);
    return Normalized(negative ? -whole : whole, scaledOffset + (negative ? -product.dropped : product.dropped));
  }

  Int128 ticks_ = 0;
  double offset_ = 0.0;
};

}  // namespace bench

#endif  // UNIVERSALTYPES_BENCH_INT128_TIME_REFERENCE_H
