// Field-level helpers shared by the UniversalInteger sources.
//
// The short-digit view reads the 12 magnitude bytes as six 16-bit digits in
// memory order. On a little-endian machine that is the int-digit form itself;
// on a big-endian machine ToggleBetweenShortAndIntDigits swaps the halves of
// each word first. The digits are read and written through memcpy on the
// bytes, never through a pointer of another type, so the view is defined
// behaviour on either byte order.
#ifndef UNIVERSALTYPES_SRC_INTEGER_INTEGER_INTERNALS_H
#define UNIVERSALTYPES_SRC_INTEGER_INTEGER_INTERNALS_H

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "integer/wide_words.h"
#include "status/shared_word.h"
#include "universaltypes/universal_integer.h"

struct IntegerInternals {
  static constexpr int kMaxDigits = 6;
  static constexpr std::int16_t kPlus = 1;
  static constexpr std::int16_t kMinus = -1;

  static constexpr UniversalInteger Make(std::int16_t sign, std::int16_t count,
                                         std::uint32_t word0, std::uint32_t word1,
                                         std::uint32_t word2) {
    return UniversalInteger(sign, count, word0, word1, word2);
  }

  static std::int16_t& Sign(UniversalInteger& value) { return value._sign; }
  static std::int16_t Sign(const UniversalInteger& value) { return value._sign; }
  static std::int16_t& Count(UniversalInteger& value) { return value._count; }
  static std::int16_t Count(const UniversalInteger& value) { return value._count; }
  static std::uint32_t* Words(UniversalInteger& value) { return value._words; }
  static const std::uint32_t* Words(const UniversalInteger& value) { return value._words; }

  // A count clamped into 0..6: every loop over digits is bounded by it, so a
  // host's record with a wild count cannot send an operation out of bounds.
  static int ClampedCount(std::int16_t count) {
    return std::clamp<int>(count, 0, kMaxDigits);
  }
  // Words covered by a digit count: 1-2 -> 1, 3-4 -> 2, 5-6 -> 3.
  static int CoveredWords(std::int16_t count) { return (ClampedCount(count) + 1) / 2; }

  static std::uint16_t ShortDigit(const UniversalInteger& value, int index) {
    std::uint16_t digit;
    std::memcpy(&digit, reinterpret_cast<const unsigned char*>(value._words) + 2 * index,
                sizeof digit);
    return digit;
  }
  static void SetShortDigit(UniversalInteger& value, int index, std::uint16_t digit) {
    std::memcpy(reinterpret_cast<unsigned char*>(value._words) + 2 * index, &digit,
                sizeof digit);
  }

  // Exact digit count of an int-digit-form magnitude from its words.
  static std::int16_t CountFromWords(const std::uint32_t* words) {
    return universaltypes::detail::SignificantDigitCount(std::uint64_t{words[1]} << 32 | words[0], words[2]);
  }
  // The record of sign and the magnitude high:low with its exact count: how
  // code outside the integer operations builds an integer.
  static constexpr UniversalInteger FromMagnitude(std::int16_t sign, std::uint64_t low, std::uint32_t high) {
    return Make(sign, universaltypes::detail::SignificantDigitCount(low, high), static_cast<std::uint32_t>(low),
                static_cast<std::uint32_t>(low >> 32), high);
  }

  // A plus zero by count (whatever its words hold) is the one factor that
  // makes a product +0, dropping the other operand's sign.
  static bool EitherIsPlusZeroByCount(const UniversalInteger& left, const UniversalInteger& right) {
    return (left._count == 0 && left._sign == kPlus) || (right._count == 0 && right._sign == kPlus);
  }

  // Every overflow goes through here: the status word reads 1 afterwards,
  // whether the overflow is thrown (the class operators) or returned as a
  // status (the flat calls' routes that never throw).
  static void NoteOverflow() { SetStatus(UniversalInteger::Status_Error); }
  static void SetStatus(UniversalInteger::StatusCodes status) {
    universaltypes::detail::StoreShared(UniversalInteger::_status, status);
  }
  [[noreturn, gnu::cold, gnu::noinline]] static void ThrowOverflowNoted() {
    throw UTypes_StatusCodeException(UTypes_Overflow);
  }
  // value * factor as operator*(double) computes it, publishing the dropped
  // fraction to the remainder real as it does, and handing the same fraction
  // back in dropped: callers read it there, never from the shared word,
  // which another thread's product may have overwritten since.
  static UniversalInteger ScaledByReal(const UniversalInteger& value, double factor, double& dropped);

  [[noreturn]] static void ThrowOverflow() {
    NoteOverflow();
    ThrowOverflowNoted();
  }

  static double ToDouble(const UniversalInteger& value) {
    const double magnitude =
        (static_cast<double>(value._words[2]) * 4294967296.0 + static_cast<double>(value._words[1])) *
            4294967296.0 +
        static_cast<double>(value._words[0]);
    return value._sign < 0 ? -magnitude : magnitude;
  }

  // Zero magnitude as the operations read it: every covered word is zero
  // (exactly when InShortDigitForm would give count 0).
  static bool HasZeroMagnitude(const UniversalInteger& value) {
    for (int word = 0; word < CoveredWords(value._count); ++word) {
      if (value._words[word] != 0) return false;
    }
    return true;
  }

  // Copy in short-digit form with an exact count. Words outside the clamped
  // count are cleared, so whatever a host left there cannot reach a digit loop.
  static UniversalInteger InShortDigitForm(const UniversalInteger& value) {
    UniversalInteger copy = value;
    for (int word = CoveredWords(copy._count); word < 3; ++word) copy._words[word] = 0;
    copy._count = CountFromWords(copy._words);
    copy.ToggleBetweenShortAndIntDigits();
    return copy;
  }

  // The int-digit-form value of an extended record's first six digits, with
  // the given sign and an exact count (digits from 6 on are dropped).
  static UniversalInteger FromExtended(const UniversalIntegerExtended& extended,
                                       std::int16_t sign) {
    UniversalInteger value = Make(sign, 0, 0, 0, 0);
    for (int digit = 0; digit < kMaxDigits; ++digit) {
      SetShortDigit(value, digit, extended.digits[digit]);
    }
    value._count = value.CountShortDigits();
    value.ToggleBetweenShortAndIntDigits();
    return value;
  }

  // The operators' bodies, hidden, so the flat functions reach them without
  // a call through the exported names. Each computes in machine words the
  // record the digit routes below compute, for any record a host may send;
  // division falls back to algorithm D only where the platform has no
  // machine division as wide as its operands.
  static UniversalInteger Add(const UniversalInteger& left, const UniversalInteger& right);
  static UniversalInteger Subtract(const UniversalInteger& left, const UniversalInteger& right);
  // left + right with right's sign field read as rightSign.
  static UniversalInteger AddWithSign(const UniversalInteger& left, const UniversalInteger& right,
                                      std::int16_t rightSign);
  // The same sum without an exception: false (the status word noted, sum
  // unspecified) where it passes 2^96 - 1.
  static bool TryAddWithSign(const UniversalInteger& left, const UniversalInteger& right,
                             std::int16_t rightSign, UniversalInteger& sum);
  // The flat sum and difference: status 0 with the result written, 2 with
  // the status word noted, 1 for a null pointer; nothing is thrown.
  static int SumIntoRecord(const UniversalInteger* left, const UniversalInteger* right, bool subtract,
                           UniversalInteger* result);
  static bool TryAdd(const UniversalInteger& left, const UniversalInteger& right,
                     UniversalInteger& sum) {
    return TryAddWithSign(left, right, right._sign, sum);
  }
  static bool TrySubtract(const UniversalInteger& left, const UniversalInteger& right,
                          UniversalInteger& difference) {
    return TryAddWithSign(left, right, static_cast<std::int16_t>(-right._sign), difference);
  }
  static UniversalInteger Multiply(const UniversalInteger& left, const UniversalInteger& right);
  static UniversalInteger Quotient(const UniversalInteger& dividend, const UniversalInteger& divisor);
  static UniversalInteger Remainder(const UniversalInteger& dividend, const UniversalInteger& divisor);
  static UniversalInteger Modulo(const UniversalInteger& dividend, const UniversalInteger& divisor);

  // The digit routes themselves: word by word over the covered words for
  // sums, schoolbook rows of short digits for products, Knuth's algorithm D
  // for quotients. The word-wide routes must agree with them bit for bit;
  // only algorithm D still runs outside the tests, where a platform has no
  // machine division as wide as its operands, and it is kept out of line:
  // inlined, its record-building would share the fast routes' exit.
  static UniversalInteger AddWordByWord(const UniversalInteger& left,
                                        const UniversalInteger& right);
  static UniversalInteger MultiplyDigitByDigit(const UniversalInteger& left,
                                               const UniversalInteger& right);
  [[gnu::noinline]] static void DivideDigitByDigit(const UniversalInteger& dividend,
                                                   const UniversalInteger& divisor,
                                                   UniversalInteger& quotient,
                                                   UniversalInteger& remainder);

  // Schoolbook rows of two short-digit-form magnitudes into an accumulator
  // with room for count(a) + count(b) digits (positions from 8 on dropped).
  static UniversalIntegerExtended ProductDigits(const UniversalInteger& left,
                                                const UniversalInteger& right);

  // The magnitude product |a| * |b| with sign +1, or UTypes_Overflow when it
  // needs more than 96 bits (where operator* would wrap).
  static UniversalInteger CheckedMagnitudeProduct(const UniversalInteger& a,
                                                  const UniversalInteger& b);

  // Quotient and remainder of two int-digit-form values, both handed back in
  // int-digit form: quotient truncated toward zero; both take the product of
  // the signs when nonzero (rem puts the dividend's sign back). A zero dividend of either sign gives +0 twice; a zero
  // divisor under a nonzero dividend throws UTypes_Error.
  static void Divide(const UniversalInteger& dividend, const UniversalInteger& divisor,
                     UniversalInteger& quotient, UniversalInteger& remainder);

  static void CheckLayout() {
    static_assert(std::is_trivially_copyable_v<UniversalInteger>);
    static_assert(std::is_standard_layout_v<UniversalInteger>);
    static_assert(sizeof(UniversalInteger) == 16);
    static_assert(offsetof(UniversalInteger, _sign) == 0);
    static_assert(offsetof(UniversalInteger, _count) == 2);
    static_assert(offsetof(UniversalInteger, _words) == 4);
    static_assert(sizeof(UniversalIntegerExtended) == 20);
    static_assert(offsetof(UniversalIntegerExtended, digits) == 4);
  }
};

#endif  // UNIVERSALTYPES_SRC_INTEGER_INTEGER_INTERNALS_H
