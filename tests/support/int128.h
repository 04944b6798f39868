// 128-bit integers for the test oracles: the compiler's own where it has
// one, otherwise (32-bit targets) a small two-word class with the same
// arithmetic, so every oracle runs on every platform.
#ifndef UNIVERSALTYPES_TESTS_SUPPORT_INT128_H
#define UNIVERSALTYPES_TESTS_SUPPORT_INT128_H

#include <cmath>
#include <concepts>
#include <cstdint>

#if defined(__SIZEOF_INT128__)
// __extension__ keeps -Wpedantic quiet about the compiler's 128-bit types.
__extension__ typedef unsigned __int128 u128;
__extension__ typedef __int128 i128;
#else

class u128 {
 public:
  constexpr u128() = default;
  template <std::integral T>
  constexpr u128(T value)  // NOLINT: converts like the built-in type
      : high_(value < 0 ? ~std::uint64_t{0} : 0), low_(static_cast<std::uint64_t>(value)) {}
  explicit u128(double value)
      : high_(static_cast<std::uint64_t>(std::ldexp(value, -64))),
        low_(static_cast<std::uint64_t>(value - std::ldexp(static_cast<double>(high_), 64))) {}
  constexpr u128(std::uint64_t high, std::uint64_t low) : high_(high), low_(low) {}

  template <std::integral T>
  explicit constexpr operator T() const { return static_cast<T>(low_); }
  explicit operator double() const { return std::ldexp(static_cast<double>(high_), 64) + static_cast<double>(low_); }
  explicit operator long double() const {
    return std::ldexp(static_cast<long double>(high_), 64) + static_cast<long double>(low_);
  }
  explicit constexpr operator bool() const { return (high_ | low_) != 0; }

  friend constexpr u128 operator+(u128 a, u128 b) {
    const std::uint64_t low = a.low_ + b.low_;
    return {a.high_ + b.high_ + (low < a.low_ ? 1u : 0u), low};
  }
  friend constexpr u128 operator-(u128 a, u128 b) {
    return {a.high_ - b.high_ - (a.low_ < b.low_ ? 1u : 0u), a.low_ - b.low_};
  }
  friend constexpr u128 operator*(u128 a, u128 b) {
    const std::uint64_t a0 = a.low_ & 0xFFFFFFFFu, a1 = a.low_ >> 32, b0 = b.low_ & 0xFFFFFFFFu, b1 = b.low_ >> 32;
    const std::uint64_t middle = a1 * b0 + ((a0 * b0) >> 32);
    const std::uint64_t cross = (middle & 0xFFFFFFFFu) + a0 * b1;
    const std::uint64_t high = a1 * b1 + (middle >> 32) + (cross >> 32) + a.high_ * b.low_ + a.low_ * b.high_;
    return {high, (cross << 32) | ((a0 * b0) & 0xFFFFFFFFu)};
  }
  friend constexpr u128 operator<<(u128 a, int n) {
    if (n == 0) return a;
    if (n >= 64) return {a.low_ << (n - 64), 0};
    return {(a.high_ << n) | (a.low_ >> (64 - n)), a.low_ << n};
  }
  friend constexpr u128 operator>>(u128 a, int n) {
    if (n == 0) return a;
    if (n >= 64) return {0, a.high_ >> (n - 64)};
    return {a.high_ >> n, (a.low_ >> n) | (a.high_ << (64 - n))};
  }
  friend constexpr u128 operator&(u128 a, u128 b) { return {a.high_ & b.high_, a.low_ & b.low_}; }
  friend constexpr u128 operator|(u128 a, u128 b) { return {a.high_ | b.high_, a.low_ | b.low_}; }
  friend constexpr u128 operator~(u128 a) { return {~a.high_, ~a.low_}; }
  friend constexpr u128 operator-(u128 a) { return u128{} - a; }
  friend constexpr bool operator==(u128 a, u128 b) { return a.high_ == b.high_ && a.low_ == b.low_; }
  friend constexpr auto operator<=>(u128 a, u128 b) {
    return a.high_ != b.high_ ? a.high_ <=> b.high_ : a.low_ <=> b.low_;
  }
  friend constexpr u128 operator/(u128 a, u128 b);
  friend constexpr u128 operator%(u128 a, u128 b);

  constexpr std::uint64_t high() const { return high_; }

 private:
  std::uint64_t high_ = 0;
  std::uint64_t low_ = 0;
};

// Shift-and-subtract long division: slow, simple, and plainly right.
constexpr u128 DivMod(u128 a, u128 b, bool wantRemainder) {
  u128 quotient, remainder;
  for (int bit = 127; bit >= 0; --bit) {
    remainder = (remainder << 1) | ((a >> bit) & u128{1});
    if (remainder >= b) {
      remainder = remainder - b;
      quotient = quotient | (u128{1} << bit);
    }
  }
  return wantRemainder ? remainder : quotient;
}
constexpr u128 operator/(u128 a, u128 b) { return DivMod(a, b, false); }
constexpr u128 operator%(u128 a, u128 b) { return DivMod(a, b, true); }

// Two's complement over u128: division truncates toward zero, the remainder
// takes the dividend's sign, and >> is arithmetic, as the built-in type does.
class i128 {
 public:
  constexpr i128() = default;
  template <std::integral T>
  constexpr i128(T value) : bits_(value) {}  // NOLINT
  explicit constexpr i128(u128 bits) : bits_(bits) {}
  explicit i128(double value) : bits_(value < 0 ? -u128(-value) : u128(value)) {}

  template <std::integral T>
  explicit constexpr operator T() const { return static_cast<T>(bits_); }
  explicit constexpr operator u128() const { return bits_; }
  explicit operator long double() const {
    return Negative() ? -static_cast<long double>(-bits_) : static_cast<long double>(bits_);
  }

  friend constexpr i128 operator+(i128 a, i128 b) { return i128(a.bits_ + b.bits_); }
  friend constexpr i128 operator-(i128 a, i128 b) { return i128(a.bits_ - b.bits_); }
  friend constexpr i128 operator*(i128 a, i128 b) { return i128(a.bits_ * b.bits_); }
  friend constexpr i128 operator-(i128 a) { return i128(-a.bits_); }
  friend constexpr i128 operator<<(i128 a, int n) { return i128(a.bits_ << n); }
  friend constexpr i128 operator>>(i128 a, int n) { return a.Negative() ? i128(~(~a.bits_ >> n)) : i128(a.bits_ >> n); }
  friend constexpr i128 operator/(i128 a, i128 b) {
    const u128 quotient = a.Magnitude() / b.Magnitude();
    return a.Negative() != b.Negative() ? i128(-quotient) : i128(quotient);
  }
  friend constexpr i128 operator%(i128 a, i128 b) {
    const u128 remainder = a.Magnitude() % b.Magnitude();
    return a.Negative() ? i128(-remainder) : i128(remainder);
  }
  friend constexpr bool operator==(i128 a, i128 b) { return a.bits_ == b.bits_; }
  friend constexpr auto operator<=>(i128 a, i128 b) {
    return a.Negative() != b.Negative() ? b.Negative() <=> a.Negative() : a.bits_ <=> b.bits_;
  }

 private:
  constexpr bool Negative() const { return (bits_.high() >> 63) != 0; }
  constexpr u128 Magnitude() const { return Negative() ? -bits_ : bits_; }

  u128 bits_;
};

#endif

#endif
