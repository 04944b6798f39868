// A fixed-width unsigned integer on 32-bit limbs, least significant first,
// for the literal routes' exact fixed-point arithmetic. Only what the parser needs:
// small multiplications and divisions, comparison, subtraction and bit
// access. Portable to targets without a 128-bit type; never allocates.
#ifndef UNIVERSALTYPES_SRC_INTEGER_WIDE_UNSIGNED_H
#define UNIVERSALTYPES_SRC_INTEGER_WIDE_UNSIGNED_H

#include <bit>
#include <cstdint>

#include "integer/wide_words.h"

namespace universaltypes::detail {

template <int Limbs>
class WideUnsigned {
 public:
  static constexpr int kBits = 32 * Limbs;

  bool IsZero() const {
    for (std::uint32_t limb : limbs_) {
      if (limb != 0) return false;
    }
    return true;
  }

  // this = this * factor + addend; false when the result needs more bits
  // (the value is then meaningless).
  bool MultiplyAdd(std::uint32_t factor, std::uint32_t addend) {
    std::uint64_t carry = addend;
    for (std::uint32_t& limb : limbs_) {
      const std::uint64_t product = std::uint64_t{limb} * factor + carry;
      limb = static_cast<std::uint32_t>(product);
      carry = product >> 32;
    }
    return carry == 0;
  }

  // this = this / divisor; returns the remainder. Zero limbs at the top are
  // left as they are: a machine division is dear, and the parser's values
  // seldom fill their width.
  std::uint32_t DivideSmall(std::uint32_t divisor) {
    int top = Limbs - 1;
    while (top >= 0 && limbs_[top] == 0) --top;
    return DivideLimbs(limbs_, top, divisor);
  }

  int Compare(const WideUnsigned& other) const {
    for (int index = Limbs - 1; index >= 0; --index) {
      if (limbs_[index] != other.limbs_[index]) return limbs_[index] < other.limbs_[index] ? -1 : 1;
    }
    return 0;
  }

  // Wrapping; the callers subtract only a smaller value.
  void Subtract(const WideUnsigned& other) {
    std::uint64_t borrow = 0;
    for (int index = 0; index < Limbs; ++index) {
      const std::uint64_t difference = std::uint64_t{limbs_[index]} - other.limbs_[index] - borrow;
      limbs_[index] = static_cast<std::uint32_t>(difference);
      borrow = (difference >> 63) & 1u;
    }
  }

  void Add(const WideUnsigned& other) {
    std::uint64_t carry = 0;
    for (int index = 0; index < Limbs; ++index) {
      const std::uint64_t sum = std::uint64_t{limbs_[index]} + other.limbs_[index] + carry;
      limbs_[index] = static_cast<std::uint32_t>(sum);
      carry = sum >> 32;
    }
  }

  int HighestBit() const {
    for (int index = Limbs - 1; index >= 0; --index) {
      if (limbs_[index] != 0) return 32 * index + 31 - std::countl_zero(limbs_[index]);
    }
    return -1;
  }

  bool Bit(int index) const { return (limbs_[index / 32] >> (index % 32)) & 1u; }
  void SetBit(int index) { limbs_[index / 32] |= 1u << (index % 32); }

  // Bits [from, from + count), count at most 64, as a number.
  std::uint64_t Bits(int from, int count) const {
    std::uint64_t value = 0;
    for (int bit = count - 1; bit >= 0; --bit) value = (value << 1) | (Bit(from + bit) ? 1u : 0u);
    return value;
  }

  // Only the bits below `count`, or only those from `count` up.
  WideUnsigned Below(int count) const {
    WideUnsigned result;
    for (int index = 0; index < Limbs; ++index) {
      const int low = 32 * index;
      if (count >= low + 32) result.limbs_[index] = limbs_[index];
      else if (count > low) result.limbs_[index] = limbs_[index] & ((1u << (count - low)) - 1u);
    }
    return result;
  }
  WideUnsigned From(int count) const {
    WideUnsigned result = *this;
    result.Subtract(Below(count));
    return result;
  }

  void SetLimb(int index, std::uint32_t value) { limbs_[index] = value; }
  static WideUnsigned PowerOfTwo(int exponent) {
    WideUnsigned result;
    result.SetBit(exponent);
    return result;
  }

  std::uint32_t Limb(int index) const { return limbs_[index]; }

 private:
  std::uint32_t limbs_[Limbs] = {};
};

}  // namespace universaltypes::detail

#endif
