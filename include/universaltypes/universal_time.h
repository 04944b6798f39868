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
// [0.0, 1.0) by moving whole femtoseconds into the ticks, except that a
// single carry or borrow whose result rounds to exactly 1.0 leaves 1.0 (a
// tiny negative time from real seconds, or a borrow of less than 2^-53 fs),
// the rounded value kept as ticks one lower with offset 1.0.
//
// Records are canonical: no operation (sum, difference, scaling, division,
// the pair constructor) leaves a -0.0 offset or a negative-zero tick count,
// so equal results compare and hash equal by their bytes. Only a record a
// host builds itself (an array, the integer constructor, raw bytes) can
// hold either; operations read them as the zero they are.
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
#include "universaltypes/flat.h"
#include "universaltypes/universal_integer.h"
#include "universaltypes/universal_real.h"

class UniversalTime {
 public:
  enum UniversalTimeChoice {
    TickLowChoice = 0,   // -(2^96 - 1) fs
    TickHighChoice = 1,  // +(2^96 - 1) fs
  };

  UTYPES_API UniversalTime();
  UTYPES_API UniversalTime(int ticks);
  UTYPES_API UniversalTime(const UniversalInteger& ticks);
  // Moves whole femtoseconds of the offset into the ticks.
  UTYPES_API UniversalTime(const UniversalInteger& ticks, const UniversalReal& offset);
  // A number of seconds. Up to 1000 s the fraction of a femtosecond lands in
  // the offset; beyond, the ticks are 10^15 * seconds and the offset 0.0.
  // Built from -r, a time is the negation of the time built from r.
  UTYPES_API UniversalTime(const UniversalReal& seconds);
  // Any value other than the two choices gives zero.
  UTYPES_API UniversalTime(UniversalTimeChoice choice);

  UTYPES_API const UniversalInteger& UniversalToPhysicalTime() const;
  UTYPES_API UniversalReal Get_OffsetTime() const;
  // Seconds: ticks (+ offset while the analog flag is set) over 10^15.
  UTYPES_API UniversalReal UniversalToRealTime() const;

  // Time array form: sign, digit count, word 0, 1, 2 of the ticks; no offset.
  UTYPES_API void ConvertIntsToUniversalTime(int* ints);
  UTYPES_API void ConvertUniversalTimeToInts(int* ints) const;
  // Writes the 24-byte record at buffer + position and advances position by
  // 24 (a null buffer or a negative position writes nothing).
  UTYPES_API void CopyMemory(unsigned char* const buffer, int& position) const;

  UTYPES_API bool operator==(const UniversalTime& other) const;
  UTYPES_API bool operator!=(const UniversalTime& other) const;
  UTYPES_API bool operator<(const UniversalTime& other) const;
  UTYPES_API bool operator>(const UniversalTime& other) const;
  UTYPES_API bool operator<=(const UniversalTime& other) const;
  UTYPES_API bool operator>=(const UniversalTime& other) const;
  // The integer read as a time with offset 0.0.
  UTYPES_API bool operator==(const UniversalInteger& ticks) const;
  UTYPES_API bool operator<(const UniversalInteger& ticks) const;
  UTYPES_API bool operator<=(const UniversalInteger& ticks) const;
  UTYPES_API bool operator>(const UniversalInteger& ticks) const;
  UTYPES_API bool operator>=(const UniversalInteger& ticks) const;

  // With the analog flag set the offsets combine with at most one carry or
  // borrow; clear, this time's offset stays and the other's is ignored. When
  // the carry itself overflows, this time keeps the new ticks and the
  // combined offset.
  UTYPES_API UniversalTime& operator+=(const UniversalTime& other);
  UTYPES_API UniversalTime& operator-=(const UniversalTime& other);
  UTYPES_API UniversalTime operator+(const UniversalTime& other) const;
  UTYPES_API UniversalTime operator-(const UniversalTime& other) const;
  UTYPES_API UniversalTime operator+(const UniversalInteger& ticks) const;
  UTYPES_API UniversalTime operator-(const UniversalInteger& ticks) const;
  // Subtracts a number of seconds; its fraction of a femtosecond always
  // lands in the offset.
  UTYPES_API UniversalTime operator-(double seconds) const;
  UTYPES_API UniversalTime operator-(const UniversalReal& seconds) const;

  // Ticks and offset scaled together; what the tick arithmetic drops goes to
  // the offset with the sign of the exact result. The product by an int
  // keeps its ticks modulo 2^96, like integer multiplication.
  UTYPES_API UniversalTime operator*(int factor) const;
  UTYPES_API UniversalTime operator*(double factor) const;
  UTYPES_API UniversalTime operator/(int divisor) const;
  UTYPES_API UniversalTime operator/(double divisor) const;
  // Through the divisor's value as a double: rounded, not exact.
  UTYPES_API UniversalTime operator/(const UniversalInteger& divisor) const;

  // The image in a unit picked by size, fs up to sec ('999 fs', '1 ps',
  // '7200 sec'), in the shared time image buffer (see time_text.h).
  UTYPES_API operator const char*() const;
  // Tick count as the integer's hex image, ":", the offset's 16 hex digits;
  // at most 43 characters with the NUL.
  UTYPES_API void ToHexString(char* buffer) const;

  UTYPES_API static void Set_AnalogExists(bool analogExists);
  UTYPES_API static bool Get_AnalogExists();
  UTYPES_API static const UniversalTime& Get_TheConstantZero();
  UTYPES_API static const UniversalTime& Get_TheConstantTickLow();
  UTYPES_API static const UniversalTime& Get_TheConstantTickHigh();

 private:
  friend struct TimeInternals;

  // Builds the presets at compile time, so they are valid from load.
  struct ConstantTag {};
  constexpr UniversalTime(const UniversalInteger& ticks, const UniversalReal& offset, ConstantTag)
      : _physicalTime(ticks), _offsetTime(offset) {}

  UniversalInteger _physicalTime;
  UniversalReal _offsetTime;

  UTYPES_API static bool _analogExists;
  UTYPES_API static const UniversalTime _zero;
  UTYPES_API static const UniversalTime TickLow;
  UTYPES_API static const UniversalTime TickHigh;
};

// The record crosses the flat interface as is.
static_assert(sizeof(UniversalTime) == 24);

UTYPES_API const UniversalTime& Get_TheConstantZero();
UTYPES_API const UniversalTime& Get_TheConstantTickLow();
UTYPES_API const UniversalTime& Get_TheConstantTickHigh();

#endif  // UNIVERSALTYPES_UNIVERSAL_TIME_H
