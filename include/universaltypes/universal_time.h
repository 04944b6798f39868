// UniversalTime: a simulation time in whole femtosecond ticks plus a real
// offset of less than one femtosecond.
//
// Representation (24 bytes, host interface): the tick count, a
// UniversalInteger laid out as that type's record (bytes 0-15), then the
// offset, a UniversalReal (bytes 16-23). The value is ticks + offset
// femtoseconds, the offset counted with its own sign (ticks -5, offset 0.25
// is -4.75 fs).
//
// Invariants: times built from ints, integers, presets or arrays have offset
// 0.0; every other constructor and all arithmetic bring a finite offset into
// [0.0, 1.0) by moving whole femtoseconds into the ticks (the real-seconds
// constructor alone can leave exactly 1.0 for a tiny negative time).
//
// The process-wide analog flag (initially true) decides whether offsets take
// part in compound addition and subtraction, in comparisons and in the
// conversion to seconds; constructors, integer addition, subtraction of
// seconds and scaling always carry the offset.
//
// Failures: a tick count beyond +-(2^96 - 1) throws UTypes_Overflow; a
// division by zero, or a NaN where ticks must come from a real, throws
// UTypes_Error. Flat functions return those codes instead.
#ifndef UNIVERSALTYPES_UNIVERSAL_TIME_H
#define UNIVERSALTYPES_UNIVERSAL_TIME_H

#include "universaltypes/export.h"
#include "universaltypes/universal_integer.h"
#include "universaltypes/universal_real.h"

class UTYPES_API UniversalTime {
 public:
  enum UniversalTimeChoice {
    TickLowChoice = 0,   // -(2^96 - 1) fs
    TickHighChoice = 1,  // +(2^96 - 1) fs
  };

  UniversalTime();
  UniversalTime(int ticks);
  UniversalTime(const UniversalInteger& ticks);
  // Moves whole femtoseconds of the offset into the ticks.
  UniversalTime(const UniversalInteger& ticks, const UniversalReal& offset);
  // A number of seconds. Up to 1000 s the fraction of a femtosecond lands in
  // the offset; beyond, the ticks are 10^15 * seconds and the offset 0.0.
  // Built from -r, a time is the negation of the time built from r.
  UniversalTime(const UniversalReal& seconds);
  // Any value other than the two choices gives zero.
  UniversalTime(UniversalTimeChoice choice);

  const UniversalInteger& UniversalToPhysicalTime() const;
  UniversalReal Get_OffsetTime() const;
  // Seconds: ticks (+ offset while the analog flag is set) over 10^15.
  UniversalReal UniversalToRealTime() const;

  // Time array form: sign, digit count, word 0, 1, 2 of the ticks; no offset.
  void ConvertIntsToUniversalTime(int* ints);
  void ConvertUniversalTimeToInts(int* ints) const;
  // Writes the 24-byte record at buffer + position and advances position by
  // 24 (a null buffer or a negative position writes nothing).
  void CopyMemory(unsigned char* const buffer, int& position) const;

  bool operator==(const UniversalTime& other) const;
  bool operator!=(const UniversalTime& other) const;
  bool operator<(const UniversalTime& other) const;
  bool operator>(const UniversalTime& other) const;
  bool operator<=(const UniversalTime& other) const;
  bool operator>=(const UniversalTime& other) const;
  // The integer read as a time with offset 0.0.
  bool operator==(const UniversalInteger& ticks) const;
  bool operator<(const UniversalInteger& ticks) const;
  bool operator<=(const UniversalInteger& ticks) const;
  bool operator>(const UniversalInteger& ticks) const;
  bool operator>=(const UniversalInteger& ticks) const;

  // With the analog flag set the offsets combine with at most one carry or
  // borrow; clear, this time's offset stays and the other's is ignored. When
  // the carry itself overflows, this time keeps the new ticks and the
  // combined offset.
  UniversalTime& operator+=(const UniversalTime& other);
  UniversalTime& operator-=(const UniversalTime& other);
  UniversalTime operator+(const UniversalTime& other) const;
  UniversalTime operator-(const UniversalTime& other) const;
  UniversalTime operator+(const UniversalInteger& ticks) const;
  UniversalTime operator-(const UniversalInteger& ticks) const;
  // Subtracts a number of seconds; its fraction of a femtosecond always
  // lands in the offset.
  UniversalTime operator-(double seconds) const;
  UniversalTime operator-(const UniversalReal& seconds) const;

  // Ticks and offset scaled together; what the tick arithmetic drops goes to
  // the offset with the sign of the exact result. The product by an int
  // keeps its ticks modulo 2^96, like integer multiplication.
  UniversalTime operator*(int factor) const;
  UniversalTime operator*(double factor) const;
  UniversalTime operator/(int divisor) const;
  UniversalTime operator/(double divisor) const;
  // Through the divisor's value as a double: rounded, not exact.
  UniversalTime operator/(const UniversalInteger& divisor) const;

  // The image in a unit picked by size, fs up to sec ('999 fs', '1 ps',
  // '7200 sec'), in the shared time image buffer (see time_text.h).
  operator const char*() const;
  // Tick count as the integer's hex image, ":", the offset's 16 hex digits;
  // at most 43 characters with the NUL.
  void ToHexString(char* buffer) const;

  static void Set_AnalogExists(bool analogExists);
  static bool Get_AnalogExists();
  static const UniversalTime& Get_TheConstantZero();
  static const UniversalTime& Get_TheConstantTickLow();
  static const UniversalTime& Get_TheConstantTickHigh();

 private:
  friend struct TimeInternals;

  // Builds the presets at compile time, so they are valid from load.
  struct ConstantTag {};
  constexpr UniversalTime(const UniversalInteger& ticks, const UniversalReal& offset, ConstantTag)
      : _physicalTime(ticks), _offsetTime(offset) {}

  UniversalInteger _physicalTime;
  UniversalReal _offsetTime;

  static bool _analogExists;
  static const UniversalTime _zero;
  static const UniversalTime TickLow;
  static const UniversalTime TickHigh;
};

UTYPES_API const UniversalTime& Get_TheConstantZero();
UTYPES_API const UniversalTime& Get_TheConstantTickLow();
UTYPES_API const UniversalTime& Get_TheConstantTickHigh();

// Flat constants and conversions: no status (a null pointer does nothing).
UTYPES_C_API void Get_TheConstantZero(UniversalTime* out);
UTYPES_C_API void Get_TheConstantTickLow(UniversalTime* out);
UTYPES_C_API void Get_TheConstantTickHigh(UniversalTime* out);
UTYPES_C_API void UniversalToPhysicalTime(const UniversalTime* time, UniversalInteger* out);
UTYPES_C_API void ConvertIntsToUniversalTime(int* ints, UniversalTime* out);
UTYPES_C_API void ConvertLongsToUniversalTime(int* ints, UniversalTime* out);
UTYPES_C_API void ConvertUniversalTimeToInts(const UniversalTime* time, int* ints);
UTYPES_C_API void ConvertUniversalTimeToLongs(const UniversalTime* time, int* ints);
// 0.0 for a null pointer.
UTYPES_C_API double Get_OffsetTime(const UniversalTime* time);

// Flat comparisons: 1 or 0.
UTYPES_C_API int UniversalTimeEqualsUniversalTime(const UniversalTime* left,
                                                  const UniversalTime* right);
UTYPES_C_API int UniversalTimeNotEqualUniversalTime(const UniversalTime* left,
                                                    const UniversalTime* right);
UTYPES_C_API int UniversalTimeLessThanUniversalTime(const UniversalTime* left,
                                                    const UniversalTime* right);
UTYPES_C_API int UniversalTimeLessEqualUniversalTime(const UniversalTime* left,
                                                     const UniversalTime* right);
UTYPES_C_API int UniversalTimeGreaterThanUniversalTime(const UniversalTime* left,
                                                       const UniversalTime* right);
UTYPES_C_API int UniversalTimeGreaterEqualUniversalTime(const UniversalTime* left,
                                                        const UniversalTime* right);
UTYPES_C_API int UniversalTimeEqualsUniversalInteger(const UniversalTime* left,
                                                     const UniversalInteger* right);
UTYPES_C_API int UniversalTimeLessThanUniversalInteger(const UniversalTime* left,
                                                       const UniversalInteger* right);
UTYPES_C_API int UniversalTimeLessEqualUniversalInteger(const UniversalTime* left,
                                                        const UniversalInteger* right);
UTYPES_C_API int UniversalTimeGreaterThanUniversalInteger(const UniversalTime* left,
                                                          const UniversalInteger* right);
UTYPES_C_API int UniversalTimeGreaterEqualUniversalInteger(const UniversalTime* left,
                                                           const UniversalInteger* right);

// Flat arithmetic: status 0, 1 or 2; the result is written only on success.
UTYPES_C_API int UniversalTimePlusUniversalTime(const UniversalTime* left,
                                                const UniversalTime* right, UniversalTime* result);
UTYPES_C_API int UniversalTimeMinusUniversalTime(const UniversalTime* left,
                                                 const UniversalTime* right, UniversalTime* result);
UTYPES_C_API int UniversalTimePlusUniversalInteger(const UniversalTime* left,
                                                   const UniversalInteger* right,
                                                   UniversalTime* result);
UTYPES_C_API int UniversalTimeMinusUniversalInteger(const UniversalTime* left,
                                                    const UniversalInteger* right,
                                                    UniversalTime* result);
// Adds seconds to the left operand itself, then copies it out: the left
// operand holds the sum too (or, after an overflowing carry, the partial sum).
UTYPES_C_API int UniversalTimePlusUniversalReal(UniversalTime* left, const UniversalReal* right,
                                                UniversalTime* result);
UTYPES_C_API int UniversalTimeMinusUniversalReal(const UniversalTime* left,
                                                 const UniversalReal* right, UniversalTime* result);
UTYPES_C_API int UniversalTimeTimesInt(const UniversalTime* left, int right, UniversalTime* result);
UTYPES_C_API int UniversalTimeTimesDouble(const UniversalTime* left, double right,
                                          UniversalTime* result);
UTYPES_C_API int UniversalTimeDividedByInt(const UniversalTime* left, int right,
                                           UniversalTime* result);
UTYPES_C_API int UniversalTimeDividedByDouble(const UniversalTime* left, double right,
                                              UniversalTime* result);
UTYPES_C_API int UniversalTimeDividedByUniversalInteger(const UniversalTime* left,
                                                        const UniversalInteger* right,
                                                        UniversalTime* result);

#endif  // UNIVERSALTYPES_UNIVERSAL_TIME_H
