#include "exact_natural.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <utility>

namespace fuzz {

ExactNatural::ExactNatural(std::uint32_t value) {
  if (value != 0) limbs_.push_back(value);
}

int ExactNatural::BitLength() const {
  if (limbs_.empty()) return 0;
  return 32 * static_cast<int>(limbs_.size() - 1) + std::bit_width(limbs_.back());
}

void ExactNatural::MultiplyAdd(std::uint32_t factor, std::uint32_t addend) {
  std::uint64_t carry = addend;
  for (std::uint32_t& limb : limbs_) {
    const std::uint64_t product = std::uint64_t{limb} * factor + carry;
    limb = static_cast<std::uint32_t>(product);
    carry = product >> 32;
  }
  if (carry != 0) limbs_.push_back(static_cast<std::uint32_t>(carry));
  Trim();
}

void ExactNatural::ShiftLeft(int bits) {
  if (limbs_.empty() || bits <= 0) return;
  limbs_.insert(limbs_.begin(), static_cast<std::size_t>(bits / 32), 0u);
  const int within = bits % 32;
  if (within == 0) return;
  std::uint32_t carry = 0;
  for (std::uint32_t& limb : limbs_) {
    const std::uint32_t next = limb >> (32 - within);
    limb = (limb << within) | carry;
    carry = next;
  }
  if (carry != 0) limbs_.push_back(carry);
}

void ExactNatural::Subtract(const ExactNatural& other) {
  std::uint64_t borrow = 0;
  for (std::size_t index = 0; index < limbs_.size(); ++index) {
    const std::uint64_t taken = (index < other.limbs_.size() ? other.limbs_[index] : 0u) + borrow;
    borrow = std::uint64_t{limbs_[index]} < taken ? 1u : 0u;
    limbs_[index] = static_cast<std::uint32_t>(std::uint64_t{limbs_[index]} + (borrow << 32) - taken);
  }
  Trim();
}

int Compare(const ExactNatural& left, const ExactNatural& right) {
  if (left.limbs_.size() != right.limbs_.size()) return left.limbs_.size() < right.limbs_.size() ? -1 : 1;
  for (std::size_t index = left.limbs_.size(); index-- > 0;) {
    if (left.limbs_[index] != right.limbs_[index]) return left.limbs_[index] < right.limbs_[index] ? -1 : 1;
  }
  return 0;
}

void ExactNatural::Trim() {
  while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
}

bool DivideWithNarrowQuotient(ExactNatural& dividend, const ExactNatural& divisor, u128& quotient) {
  const int shift = dividend.BitLength() - divisor.BitLength();
  quotient = 0;
  // dividend >= 2^(its bits - 1) and divisor < 2^(its bits): the quotient
  // exceeds 2^(shift - 1).
  if (shift >= 97) return false;
  for (int bit = shift; bit >= 0; --bit) {
    ExactNatural step = divisor;
    step.ShiftLeft(bit);
    if (Compare(dividend, step) >= 0) {
      dividend.Subtract(step);
      quotient = quotient | (u128{1} << bit);
    }
  }
  return true;
}

namespace {

// Below 1 a double's finest step is 2^-1074 (the smallest subnormal).
constexpr int kFinestBit = 1074;

// The binary digits of numerator / denominator after the point, in order.
class RatioBits {
 public:
  RatioBits(ExactNatural numerator, const ExactNatural& denominator)
      : rest_(std::move(numerator)), denominator_(denominator) {}

  int position() const { return position_; }
  bool RestIsZero() const { return rest_.IsZero(); }

  bool Next() {
    rest_.ShiftLeft(1);
    ++position_;
    if (Compare(rest_, denominator_) < 0) return false;
    rest_.Subtract(denominator_);
    return true;
  }

  // Passes over the digits that bit lengths alone show to be zero: rest
  // times 2^k stays below 2^(bits of denominator - 1) <= denominator.
  void SkipZerosUpTo(int limit) {
    const int zeros = std::min(denominator_.BitLength() - 1 - rest_.BitLength(), limit - position_);
    if (zeros <= 0) return;
    rest_.ShiftLeft(zeros);
    position_ += zeros;
  }

 private:
  ExactNatural rest_;
  const ExactNatural& denominator_;
  int position_ = 0;  // of the last digit produced: 2^-position
};

}  // namespace

double RoundedRatio(ExactNatural numerator, const ExactNatural& denominator) {
  RatioBits bits(std::move(numerator), denominator);
  bits.SkipZerosUpTo(kFinestBit);
  int first = 0;
  while (first == 0 && bits.position() < kFinestBit) {
    if (bits.Next()) first = bits.position();
  }
  // 53 significant digits from the first one, but none finer than 2^-1074.
  const int lastKept = first == 0 ? kFinestBit : std::min(first + 52, kFinestBit);
  std::uint64_t mantissa = first == 0 ? 0 : 1;
  while (bits.position() < lastKept) mantissa = 2 * mantissa + (bits.Next() ? 1 : 0);
  const bool roundDigit = bits.Next();
  if (roundDigit && (!bits.RestIsZero() || (mantissa & 1) != 0)) ++mantissa;
  return std::ldexp(static_cast<double>(mantissa), -lastKept);
}

}  // namespace fuzz
