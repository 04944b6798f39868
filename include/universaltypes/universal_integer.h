// UniversalInteger: the library's exact signed integer.
//
// Representation: a sign (+1 or -1, signed 16 bits), a count of significant
// 16-bit "short digits" (0 to 6, signed 16 bits), and a 96-bit magnitude in
// three unsigned 32-bit words, least significant first. The record is 16
// bytes, copied word by word across the flat interface, so its field order
// and widths are part of the host interface.
//
// Invariants every operation keeps, and every operation relies on:
//   - the magnitude is at most 2^96 - 1;
//   - the digit count is exact (one more than the index of the highest
//     nonzero short digit; 0 for zero), and comparisons decide by it first;
//   - words the digit count does not cover are zero;
//   - zero is (+1, 0, 0, 0, 0). A negative zero (sign -1, count 0) can only
//     come from a wrapped product (-0 * 5 stays -0) or from a host's record;
//     it is distinct from zero in comparisons and images, and division, rem
//     and mod treat it as zero.
//
// Addition and subtraction throw UTypes_StatusCodeException(UTypes_Overflow)
// when a magnitude would pass 2^96 - 1; multiplication deliberately keeps its
// product modulo 2^96 with the product of the signs. Division truncates
// toward zero; a nonzero dividend over a zero divisor throws UTypes_Error.
// rem takes the sign of the dividend, mod the sign of the divisor.
//
// Scaling by a real is exact in the multiplier's integer part and digit by
// digit in double precision for its fraction; the fraction of the product
// that truncation drops is left in one process-wide remainder real
// (Get_Remainder), read right after the product. A product beyond 96 bits
// throws UTypes_Overflow; a NaN multiplier (or zero times an infinity) throws
// UTypes_Error.
//
// A record that breaks the invariants (any 16 bytes a host hands in) never
// makes an operation read or write outside its records, loop without end or
// hit undefined behaviour; what such an operation computes is unspecified.
#ifndef UNIVERSALTYPES_UNIVERSAL_INTEGER_H
#define UNIVERSALTYPES_UNIVERSAL_INTEGER_H

#include <cstddef>
#include <cstdint>

#include "universaltypes/export.h"
#include "universaltypes/flat.h"
#include "universaltypes/status.h"
#include "universaltypes/universal_real.h"

enum UniversalIntegerChoice : int {
  IntegerLowChoice = 0,   // -(2^96 - 1)
  IntegerHighChoice = 1,  // +(2^96 - 1)
};

// The first operand's magnitude relative to the second's.
enum UniversalInteger_Comparison_t : int {
  Comparison_Less = 0,
  Comparison_Equal = 1,
  Comparison_Greater = 2,
};

enum MachineEndian_t : int {
  LittleEndian = 0,
  BigEndian = 1,
};

// Working record of the digit arithmetic: two short digits more than a
// UniversalInteger holds, so a division's working dividend (up to seven
// digits) and a product's overflow digits fit. Its first 16 bytes have the
// layout of a UniversalInteger in short-digit form.
struct UniversalIntegerExtended {
  std::int16_t sign;
  std::int16_t count;
  std::uint16_t digits[8];
};

class UniversalInteger {
 public:
  enum StatusCodes {
    Status_OK = 0,
    Status_Error = 1,
  };

  UTYPES_API UniversalInteger();
  UTYPES_API UniversalInteger(int value);
  // Sets the status word to 0, or to 1 (leaving the record unwritten) for a
  // choice other than the two presets.
  UTYPES_API UniversalInteger(UniversalIntegerChoice choice);
  // Truncates toward zero. |value| >= 2^96 or infinite throws
  // UTypes_Overflow; a NaN throws UTypes_Error.
  UTYPES_API UniversalInteger(const UniversalReal& real);

  // ((w2 * 2^32 + w1) * 2^32) + w0 in doubles, each step rounded.
  UTYPES_API operator double() const;

  UTYPES_API UniversalInteger_Comparison_t CompareMagnitude(const UniversalInteger& other) const;
  // Signed relations: the sign fields decide first, so a negative zero lies
  // below zero and above every negative nonzero value.
  UTYPES_API bool operator==(const UniversalInteger& other) const;
  UTYPES_API bool operator!=(const UniversalInteger& other) const;
  UTYPES_API bool operator<(const UniversalInteger& other) const;
  UTYPES_API bool operator<=(const UniversalInteger& other) const;
  UTYPES_API bool operator>(const UniversalInteger& other) const;
  UTYPES_API bool operator>=(const UniversalInteger& other) const;

  UTYPES_API UniversalInteger operator+(const UniversalInteger& other) const;
  UTYPES_API UniversalInteger operator-(const UniversalInteger& other) const;
  // Leave the object unchanged when they throw.
  UTYPES_API UniversalInteger& operator+=(const UniversalInteger& other);
  UTYPES_API UniversalInteger& operator-=(const UniversalInteger& other);

  // Magnitude modulo 2^96, sign the product of the signs; never throws.
  UTYPES_API UniversalInteger operator*(const UniversalInteger& other) const;
  UTYPES_API UniversalInteger operator*(int other) const;

  // |this| * |factor| truncated toward zero, with the product of the signs
  // (a negative zero factor or a NaN does not negate); sets the remainder real.
  UTYPES_API UniversalInteger operator*(double factor) const;
  UTYPES_API UniversalInteger operator*(const UniversalReal& factor) const;

  UTYPES_API UniversalInteger operator/(const UniversalInteger& divisor) const;
  UTYPES_API UniversalInteger operator/(int divisor) const;
  // this * (1.0 / divisor), the reciprocal rounded once: not an exact quotient.
  UTYPES_API UniversalInteger operator/(double divisor) const;
  UTYPES_API UniversalInteger operator/(const UniversalReal& divisor) const;
  UTYPES_API UniversalInteger rem(const UniversalInteger& divisor) const;
  UTYPES_API UniversalInteger mod(const UniversalInteger& divisor) const;

  // Integer array form: sign, digit count, word 0, word 1, word 2. Import
  // takes the low 16 bits of the first two ints and validates nothing.
  UTYPES_API void ConvertIntsToUniversalInteger(int* ints);
  UTYPES_API void ConvertUniversalIntegerToInts(int* ints) const;

  // Decimal image in one static 4096-byte buffer shared by every call (and
  // every thread): valid until the next call. A negative zero shows "-0".
  UTYPES_API operator const char*() const;
  // Writes this + fraction in decimal: this is the integer part (the floor
  // of the number), fraction in [0, 1) its fractional part, printed with
  // printf precision `precision`. Whole numbers with more than six trailing
  // zeros are compacted ("1e+7"). The fraction's text never exceeds 63
  // characters, whatever the precision.
  UTYPES_API void PrintToBuffer(char* buffer, double fraction, int precision) const;
  // "-" for a negative sign, then words 2, 1, 0 as 8 lowercase hex digits
  // each: at most 26 characters with the NUL.
  UTYPES_API void ToHexString(char* buffer) const;

  // The fraction the last integer-by-real product dropped, in [0, 1).
  UTYPES_API static const UniversalReal& Get_Remainder();
  UTYPES_API static const UniversalInteger& Get_TheConstantZero();
  UTYPES_API static const UniversalInteger& Get_TheConstantOne();
  UTYPES_API static MachineEndian_t Get_MachineEndian();
  // 1 after an overflow, until the next construction from a choice.
  UTYPES_API static StatusCodes Status();

 private:
  // Field access for the library's own helpers; not part of the interface.
  friend struct IntegerInternals;

  constexpr UniversalInteger(std::int16_t sign, std::int16_t count, std::uint32_t word0,
                             std::uint32_t word1, std::uint32_t word2)
      : _sign(sign), _count(count), _words{word0, word1, word2} {}

  UTYPES_API void AddMagnitude(const UniversalInteger& other, UniversalInteger& result) const;
  // Precondition: |this| > |other|.
  UTYPES_API void SubtractMagnitude(const UniversalInteger& other, UniversalInteger& result) const;

  // Short-digit machinery shared by multiplication, division and the images.
  UTYPES_API void ToggleBetweenShortAndIntDigits();
  UTYPES_API short CountShortDigits() const;
  UTYPES_API void MultiplyByOneDigit(std::uint16_t digit, UniversalIntegerExtended& accumulator,
                          int shift) const;

  // Long division (Knuth's algorithm D, base 65536), all in short-digit form.
  UTYPES_API void DivideShortDigits(const UniversalInteger& divisor, UniversalInteger& quotient,
                         UniversalInteger& remainder);
  UTYPES_API UniversalInteger_Comparison_t CompareShortDigitsMagnitude(const UniversalInteger& other) const;
  UTYPES_API std::uint16_t NormalizeForDivision(const UniversalInteger& divisor,
                                     UniversalIntegerExtended& dividendWork,
                                     UniversalIntegerExtended& divisorWork) const;
  UTYPES_API void DivideByOneDigit(std::uint16_t divisor, UniversalInteger& quotient,
                        std::uint16_t& remainder) const;
  UTYPES_API static std::uint16_t EstimateQuotientDigit(const UniversalIntegerExtended& dividendWork,
                                             const UniversalIntegerExtended& divisorWork,
                                             int step);
  UTYPES_API static std::uint16_t MultiplyAndSubtract(UniversalIntegerExtended& dividendWork,
                                           const UniversalIntegerExtended& divisorWork,
                                           std::uint16_t estimate, int step);

  std::int16_t _sign;
  std::int16_t _count;
  std::uint32_t _words[3];

  UTYPES_API static const UniversalInteger _zero;
  UTYPES_API static const UniversalInteger _one;
  UTYPES_API static const UniversalInteger IntegerHigh;
  UTYPES_API static const UniversalInteger IntegerLow;
  UTYPES_API static const MachineEndian_t _machineEndian;
  UTYPES_API static StatusCodes _status;
};

// The record crosses the flat interface as is.
static_assert(sizeof(UniversalInteger) == 16);

// integer * factor into product, and the remainder real read right after it
// into remainder. Returns the caught status with no output written.
UTYPES_API UTypes_StatusCode UniversalIntegerTimesDouble(UniversalInteger integer, double factor,
                                                         UniversalInteger* product,
                                                         UniversalReal* remainder);
// integer * (1.0 / divisor) into quotient, as operator/(double).
UTYPES_API UTypes_StatusCode UniversalIntegerDividedByDouble(const UniversalInteger* integer,
                                                             double divisor,
                                                             UniversalInteger* quotient);

#endif  // UNIVERSALTYPES_UNIVERSAL_INTEGER_H
