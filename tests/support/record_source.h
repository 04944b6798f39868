// Random records for the tests: magnitudes drawn towards the edges where
// carries, digit counts and the long division change, canonical integers and
// times, and the malformed records a host may hand in. One seed gives one
// sequence on every platform.
#ifndef UNIVERSALTYPES_TESTS_SUPPORT_RECORD_SOURCE_H
#define UNIVERSALTYPES_TESTS_SUPPORT_RECORD_SOURCE_H

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <random>

#include "support/int128_model.h"

class RecordSource {
 public:
  explicit RecordSource(std::uint64_t seed) : random_(seed) {}

  int Below(int bound) { return static_cast<int>(random_() % static_cast<std::uint64_t>(bound)); }
  std::uint64_t Bits() { return random_(); }
  template <typename T>
  T Pick(std::initializer_list<T> choices) {
    return choices.begin()[Below(static_cast<int>(choices.size()))];
  }

  // One in eight a boundary magnitude, else 0 to 6 random digits with a
  // nonzero top digit.
  u128 Magnitude() {
    if (Below(8) == 0) {
      const int k = 1 + Below(6);
      const u128 power = u128{1} << (16 * k);
      switch (Below(4)) {
        case 0: return power - 1;
        case 1: return k == 6 ? kMax96 : power;
        case 2: return k == 6 ? kMax96 - 1 : power + 1;
        default: return kMax96;
      }
    }
    const int count = Below(7);
    u128 magnitude = 0;
    for (int digit = 0; digit < count; ++digit) {
      auto value = Below(4) == 0 ? Pick<std::uint16_t>({0, 1, 32767, 32768, 65534, 65535})
                                 : static_cast<std::uint16_t>(random_());
      if (digit == count - 1 && value == 0) value = static_cast<std::uint16_t>(1 + Below(65535));
      magnitude = magnitude | u128{value} << (16 * digit);
    }
    return magnitude;
  }

  Model Value() { return Normalised(Below(2) == 0 ? 1 : -1, Magnitude()); }

  // Canonical; with negativeZeros, half the zeros carry sign -1 (as a
  // wrapped product leaves them).
  UniversalInteger Integer(bool negativeZeros = false) {
    const Model value = Value();
    if (negativeZeros && value.magnitude == 0 && Below(2) == 0) return RawRecord(-1, 0, 0);
    return ToRecord(value);
  }

  // A record that breaks one invariant, of any value underneath, or whose
  // five fields are all random.
  UniversalInteger Malformed() {
    Fields f = FieldsOf(ToRecord(Value()));
    const int wild = static_cast<std::int16_t>(random_());
    switch (Below(6)) {
      case 0: f.sign = Pick({0, 2, -2, 32767, -32768, wild}); break;
      case 1: f.count = Pick({-32768, -1, 7, 32767, f.count + 1, f.count - 1, wild}); break;
      case 2:
        f.words[2] |= static_cast<std::uint32_t>(random_()) | 1u;
        f.count = f.count > 4 ? 4 : f.count;
        break;
      case 3: f = {-1, 0, {0, 0, 0}}; break;
      case 4: f.count = 0; break;
      default:
        return RawRecord(wild, static_cast<std::int16_t>(random_()), static_cast<std::uint32_t>(random_()),
                         static_cast<std::uint32_t>(random_()), static_cast<std::uint32_t>(random_()));
    }
    return RawRecord(f.sign, f.count, f.words[0], f.words[1], f.words[2]);
  }

  // Canonical three times in four.
  UniversalInteger AnyInteger() { return Below(4) == 0 ? Malformed() : Integer(); }

  // In [0, 1), or -0.0: the offsets operations make and hosts send.
  double Offset() {
    switch (Below(6)) {
      case 0: return 0.0;
      case 1: return -0.0;
      case 2: return Pick({0.25, 0.5, 0.75, 1.0 - 0x1p-53, 1e-17, 0.5 + 0x1p-40});
      default: return std::ldexp(static_cast<double>(random_() >> 11), -53);
    }
  }

  // Any double a record's offset field may hold.
  double AnyOffset() {
    if (Below(3) != 0) return Offset();
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    return Pick({1.0, -0.25, 1.5, 2.5, -2.0, 0x1p53, 0x1p53 + 2, -0x1p53 - 2, 7.9e28, 1e30, -1e30,
                 std::numeric_limits<double>::quiet_NaN(), kInfinity, -kInfinity});
  }

  UniversalTime Time(bool negativeZeros = false) { return TimeRecord(Integer(negativeZeros), Offset()); }

  // One in ten with malformed ticks, one in three with an offset outside
  // [0, 1).
  UniversalTime AnyTime() { return TimeRecord(Below(10) == 0 ? Malformed() : Integer(), AnyOffset()); }

  // Small factors, the int extremes, or any int.
  int Int() {
    if (Below(3) == 0) return static_cast<int>(random_());
    return Pick({0, 1, -1, 2, -2, 3, 7, 60, 1000, -1000, 2147483647, -2147483647 - 1});
  }

  // Exact binary fractions, zeros of both signs, or random magnitudes from
  // 2^-53 to 2^29.
  double Real() {
    if (Below(3) == 0) return Pick({0.5, -0.5, 2.0, -2.0, 1.0, -1.0, 0.25, -4.0, 1e-3, -1e3, 0.0, -0.0});
    return std::ldexp(static_cast<double>(random_() >> 11), -53 + Below(30)) * (Below(2) == 0 ? 1 : -1);
  }

 private:
  std::mt19937_64 random_;
};

#endif
