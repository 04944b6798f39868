// Magnitude96: a UniversalInteger's 96-bit magnitude in two machine words,
// the form the operators' word-wide routes compute in.
//
// low holds words 0 and 1, high word 2. Everything here is plain 64-bit
// arithmetic, so every platform (32-bit and big-endian ones included) takes
// the same route and gets the same bits. The digit-by-digit routes the
// record's members describe remain the reference these routes are tested
// against.
//
// Two ways to read a record:
//   - Covered(): only the words its clamped digit count covers, exactly as
//     the digit routes read a record after InShortDigitForm. Any 16 bytes
//     give a defined magnitude.
//   - Whole(): all three words; meaningful only for a record whose count is
//     exact (HasExactCount), where the uncovered words are zero anyway.
#ifndef UNIVERSALTYPES_SRC_INTEGER_MAGNITUDE96_H
#define UNIVERSALTYPES_SRC_INTEGER_MAGNITUDE96_H

#include <bit>
#include <cstdint>
#include <cstring>

#include "integer/integer_internals.h"

namespace universaltypes::detail {

struct Magnitude96 {
  std::uint64_t low;
  std::uint32_t high;

  bool IsZero() const { return (low | high) == 0; }

  static Magnitude96 Whole(const UniversalInteger& value) {
    const std::uint32_t* words = IntegerInternals::Words(value);
    return {std::uint64_t{words[1]} << 32 | words[0], words[2]};
  }

  // The words a digit count covers as a mask: word 0 from count 1, word 1
  // from 3, word 2 from 5 (counts below 1 cover none). Any count, however
  // wild, gives a mask within the three words. Comparisons of the raw count
  // rather than a clamp and a table: faster in the integer add benchmark.
  static Magnitude96 CoverageMask(std::int16_t count) {
    const std::uint64_t low = (count >= 1 ? 0xFFFFFFFFu : 0u) | (count >= 3 ? 0xFFFFFFFF00000000u : 0u);
    const std::uint32_t high = count >= 5 ? 0xFFFFFFFFu : 0u;
    return {low, high};
  }

  Magnitude96 MaskedBy(const Magnitude96& mask) const { return {low & mask.low, high & mask.high}; }

  static Magnitude96 Covered(const UniversalInteger& value) {
    return Whole(value).MaskedBy(CoverageMask(IntegerInternals::Count(value)));
  }

  std::int16_t DigitCount() const { return universaltypes::detail::SignificantDigitCount(low, high); }

  static bool HasExactCount(const UniversalInteger& value) {
    return Whole(value).DigitCount() == IntegerInternals::Count(value);
  }

  // The record's 16 bytes as two 64-bit halves in its byte order: sign and
  // count in the first half beside word 0, words 1 and 2 in the second. A
  // route with several exits joins its results in this form (the integer
  // benchmarks' add, divide and mod rows are faster than with records).
  struct RecordBits {
    std::uint64_t halves[2];

    static RecordBits Of(const UniversalInteger& record) { return std::bit_cast<RecordBits>(record); }

    // A zero count with sign -1 (a negative zero) becomes sign +1; the words
    // are left as they are.
    RecordBits WithPositiveZero() const {
      constexpr bool kLittle = std::endian::native == std::endian::little;
      constexpr int kSignShift = kLittle ? 0 : 48;
      constexpr int kCountShift = kLittle ? 16 : 32;
      const std::uint64_t signAndCount =
          (halves[0] >> kSignShift & 0xFFFFu) | (halves[0] >> kCountShift & 0xFFFFu) << 16;
      if (signAndCount != 0xFFFFu) return *this;
      return {{halves[0] ^ std::uint64_t{0xFFFEu} << kSignShift, halves[1]}};
    }
    // The halves copied back into a record's bytes, so the record is the
    // same on either byte order.
    UniversalInteger Record() const {
      UniversalInteger record = IntegerInternals::Make(0, 0, 0, 0, 0);
      auto* bytes = reinterpret_cast<unsigned char*>(&record);
      std::memcpy(bytes, &halves[0], sizeof halves[0]);
      std::memcpy(bytes + sizeof halves[0], &halves[1], sizeof halves[1]);
      return record;
    }
  };

  // The record with this magnitude, the given sign and an exact count.
  RecordBits BitsWithSign(std::int16_t sign) const {
    const std::uint64_t sign16 = static_cast<std::uint16_t>(sign);
    const std::uint64_t count16 = static_cast<std::uint16_t>(DigitCount());
    const std::uint64_t word0 = static_cast<std::uint32_t>(low);
    const std::uint64_t word1 = low >> 32;
    if constexpr (std::endian::native == std::endian::little) {
      return {{sign16 | count16 << 16 | word0 << 32, word1 | std::uint64_t{high} << 32}};
    } else {
      return {{sign16 << 48 | count16 << 32 | word0, word1 << 32 | high}};
    }
  }
  UniversalInteger WithSign(std::int16_t sign) const { return BitsWithSign(sign).Record(); }

  // +0 with an exact count, in the same form as every other result.
  static RecordBits ZeroBits() { return Magnitude96{0, 0}.BitsWithSign(IntegerInternals::kPlus); }

  // -1, 0 or 1 as this is below, equal to or above other.
  int OrderAgainst(const Magnitude96& other) const {
    if (high != other.high) return high < other.high ? -1 : 1;
    if (low != other.low) return low < other.low ? -1 : 1;
    return 0;
  }

  // False (sum unspecified) when the sum passes 2^96 - 1.
  static bool Add(const Magnitude96& a, const Magnitude96& b, Magnitude96& sum) {
    sum.low = a.low + b.low;
    const std::uint64_t high = std::uint64_t{a.high} + b.high + (sum.low < a.low ? 1u : 0u);
    sum.high = static_cast<std::uint32_t>(high);
    return (high >> 32) == 0;
  }

  // Precondition: a >= b.
  static Magnitude96 Subtract(const Magnitude96& a, const Magnitude96& b) {
    const std::uint32_t borrow = a.low < b.low ? 1u : 0u;
    return {a.low - b.low, a.high - b.high - borrow};
  }

  // The product modulo 2^96. Of the cross terms only the low 32 bits of
  // a.low * b.high + a.high * b.low reach word 2; the rest passes 2^96.
  static Magnitude96 ProductModulo96(const Magnitude96& a, const Magnitude96& b) {
    const std::uint32_t crossTerms =
        static_cast<std::uint32_t>(a.low) * b.high + a.high * static_cast<std::uint32_t>(b.low);
#ifdef __SIZEOF_INT128__
    __extension__ typedef unsigned __int128 Wide;
    const Wide lowProduct = static_cast<Wide>(a.low) * b.low;
    return {static_cast<std::uint64_t>(lowProduct),
            static_cast<std::uint32_t>(lowProduct >> 64) + crossTerms};
#else
    // a.low * b.low from 32-bit limbs; its bits from 96 on are dropped.
    const auto a0 = static_cast<std::uint32_t>(a.low);
    const auto a1 = static_cast<std::uint32_t>(a.low >> 32);
    const auto b0 = static_cast<std::uint32_t>(b.low);
    const auto b1 = static_cast<std::uint32_t>(b.low >> 32);
    const std::uint64_t p00 = std::uint64_t{a0} * b0;
    const std::uint64_t p01 = std::uint64_t{a0} * b1;
    const std::uint64_t p10 = std::uint64_t{a1} * b0;
    // Below 3 * 2^32: no carry is lost.
    const std::uint64_t middle =
        (p00 >> 32) + static_cast<std::uint32_t>(p01) + static_cast<std::uint32_t>(p10);
    const std::uint32_t high = static_cast<std::uint32_t>(middle >> 32) +
                               static_cast<std::uint32_t>(p01 >> 32) +
                               static_cast<std::uint32_t>(p10 >> 32) + a1 * b1 + crossTerms;
    return {middle << 32 | static_cast<std::uint32_t>(p00), high};
#endif
  }

  // a / b and a mod b for a nonzero b, in one machine division; false where
  // this platform has no division that wide.
  static bool DivideInMachineWords(const Magnitude96& a, const Magnitude96& b,
                                   Magnitude96& quotient, Magnitude96& remainder) {
    if ((a.high | b.high) == 0) {
      quotient = {a.low / b.low, 0};
      remainder = {a.low % b.low, 0};
      return true;
    }
#ifdef __SIZEOF_INT128__
    __extension__ typedef unsigned __int128 Wide;
    const Wide dividend = static_cast<Wide>(a.high) << 64 | a.low;
    const Wide divisor = static_cast<Wide>(b.high) << 64 | b.low;
    const Wide wideQuotient = dividend / divisor;
    const Wide wideRemainder = dividend - wideQuotient * divisor;
    quotient = {static_cast<std::uint64_t>(wideQuotient),
                static_cast<std::uint32_t>(wideQuotient >> 64)};
    remainder = {static_cast<std::uint64_t>(wideRemainder),
                 static_cast<std::uint32_t>(wideRemainder >> 64)};
    return true;
#else
    return false;
#endif
  }

  // a / b and a mod b of nonzero magnitudes: one machine division where the
  // platform has one that wide, algorithm D otherwise.
  static void Divide(const Magnitude96& a, const Magnitude96& b, Magnitude96& quotient,
                     Magnitude96& remainder) {
    if (DivideInMachineWords(a, b, quotient, remainder)) return;
    UniversalInteger digitQuotient = IntegerInternals::Make(1, 0, 0, 0, 0);
    UniversalInteger digitRemainder = IntegerInternals::Make(1, 0, 0, 0, 0);
    IntegerInternals::DivideDigitByDigit(a.WithSign(IntegerInternals::kPlus),
                                         b.WithSign(IntegerInternals::kPlus), digitQuotient,
                                         digitRemainder);
    quotient = Whole(digitQuotient);
    remainder = Whole(digitRemainder);
  }
};

// A magnitude and the sign its record will carry, for routes that finish
// more arithmetic in machine words before they build the record.
struct SignedMagnitude96 {
  Magnitude96 magnitude;
  std::int16_t sign;

  // value * factor as the integer operator computes it: the low 96 bits, the
  // product of the signs, +0 for a zero factor or a plus zero by count. The
  // int's magnitude is |factor|, taken in unsigned arithmetic so INT_MIN has
  // one; no record of it is built (time scale benchmark).
  static SignedMagnitude96 ProductByInt(const UniversalInteger& value, int factor) {
    if (factor == 0) return {{0, 0}, IntegerInternals::kPlus};
    const std::uint32_t factorMagnitude =
        factor < 0 ? 0u - static_cast<std::uint32_t>(factor) : static_cast<std::uint32_t>(factor);
    const std::int16_t valueSign = IntegerInternals::Sign(value);
    const bool plusZero = IntegerInternals::Count(value) == 0 && valueSign == IntegerInternals::kPlus;
    const auto sign = plusZero || factor > 0 ? valueSign : static_cast<std::int16_t>(-valueSign);
    return {Magnitude96::ProductModulo96(Magnitude96::Covered(value), {factorMagnitude, 0}), sign};
  }

  // This plus a nonnegative carry, with a zero sum as +0; false (sum
  // unspecified) when the sum passes 2^96 - 1. For signs +1 and -1 only.
  bool TryAddCarry(std::uint64_t carry, SignedMagnitude96& sum) const {
    const Magnitude96 wide{carry, 0};
    if (sign == IntegerInternals::kMinus && !magnitude.IsZero()) {
      const bool staysNegative = magnitude.OrderAgainst(wide) > 0;
      sum = staysNegative ? SignedMagnitude96{Magnitude96::Subtract(magnitude, wide), sign}
                          : SignedMagnitude96{Magnitude96::Subtract(wide, magnitude), IntegerInternals::kPlus};
      return true;
    }
    sum.sign = IntegerInternals::kPlus;
    return Magnitude96::Add(magnitude, wide, sum.magnitude);
  }

  UniversalInteger Record() const { return magnitude.WithSign(sign); }
};

}  // namespace universaltypes::detail

#endif  // UNIVERSALTYPES_SRC_INTEGER_MAGNITUDE96_H
