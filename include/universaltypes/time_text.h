// Time units, time literals and time images.
//
// A literal is a decimal or based number, white space and a unit name
// ('1.5 ns', '1_000 ps', '2.5E-3 sec', '16#FF# ns'), or a unit name alone
// (one unit). Its value is exact: ticks are the exact femtosecond count,
// floor(v) with the sub-femtosecond rest in the offset (rounded to the
// nearest double) while the analog flag is set, or v truncated toward zero
// with offset 0.0 while it is clear. A value beyond +-(2^96 - 1) fs throws
// UTypes_Overflow; malformed text reports UTypes_Error through `status`.
//
// Images print a time as a number of a unit ('1.5 ns', '1e+7 fs', '1.5 min')
// into one process-wide 4096-byte buffer shared by TimeTickValueToString,
// TimeTickValueToString_CF and UniversalTime::operator const char*; the
// pointer stays valid until the next of those calls. The buffer is shared by
// every thread and not guarded: as soon as another thread makes an image,
// the returned pointer may show that image, or a mixture of both texts, and
// two image calls at once race on the buffer. A host that makes images on
// several threads serialises the calls and copies each text inside the same
// lock. The parsers need no such care: they compute from their own
// arguments, whatever runs beside them.
#ifndef UNIVERSALTYPES_TIME_TEXT_H
#define UNIVERSALTYPES_TIME_TEXT_H

#include "universaltypes/export.h"
#include "universaltypes/flat.h"
#include "universaltypes/status.h"
#include "universaltypes/universal_integer.h"
#include "universaltypes/universal_time.h"

// Rising with the size of the unit; indexes the unit texts "fs" .. "hr".
enum TimeUnit : int {
  TimeUnit_fs = 0,
  TimeUnit_ps = 1,
  TimeUnit_ns = 2,
  TimeUnit_us = 3,
  TimeUnit_ms = 4,
  TimeUnit_sec = 5,
  TimeUnit_min = 6,
  TimeUnit_hr = 7,
};

// The index just past the unit name of a literal.
UTYPES_API int IndexToStringAfterTimeUnit(const char* text);
// Finds the unit name that ends before `position` (as given by
// IndexToStringAfterTimeUnit). On success status is UTypes_OK and position
// is where the number ends (0 when only white space precedes the unit).
UTYPES_API TimeUnit Get_TimeUnitFromString(const char* text, UTypes_StatusCode& status,
                                           int& position);
// UTypes_OK and the unit when the tick count (time array form) is exactly
// one unit; UTypes_Error, unit untouched, otherwise.
UTYPES_API UTypes_StatusCode TimeUnitFromTime(int* ticks, TimeUnit& unit);

// Parses a NUL-terminated literal. On failure status is UTypes_Error and the
// result is zero (no unit found) or one unit (the number is malformed).
UTYPES_API UniversalTime TimeValueFromTimeString(const char* text, UTypes_StatusCode& status);
// Parses the first `length` characters with based literals off for this
// parse alone (parses on other threads meanwhile follow the process-wide
// switch as usual) and writes the tick count in the time array form, whether
// or not it succeeds (zero for a null text or a negative length). The switch
// is clear after the call, also when an exception passes out.
UTYPES_API void TimeValueFromTimeString_CF(const char* text, int length, int*& ticks,
                                           UTypes_StatusCode& status);
// Process-wide, for every thread (the last call wins): true refuses based
// literals ('16#FF# ns') in TimeValueFromTimeString and Is_BasedNumber.
UTYPES_API void Set_DisableBaseLiterals(bool disable);
UTYPES_API bool Is_BasedNumber(const char* text, int start, int end);
// The value of digit c in base (error 1 for a non-digit, a digit too large,
// or an "E" that starts an exponent, i.e. is followed by a sign).
UTYPES_API int Get_Digit(char c, char next, int base, int& error);
// Reads a run of digits and single underscores from position up to end:
// returns their value times unit, advances position, counts the digits. A
// malformed run sets status to UTypes_Error (status is never set to OK).
// More than 28 digits give UniversalTime's TickHigh; a value beyond 96 bits
// throws UTypes_Overflow.
UTYPES_API UniversalTime Add_Integer(UniversalTime unit, int base, const char* text, int& position,
                                     int end, int& digits, UTypes_StatusCode& status);

// The image of time in unit ('1.5 ns'); a unit outside 0..7 gives status
// UTypes_Error and an empty image. Throws UTypes_Overflow when the image's
// whole units, or a negative time's femtoseconds, would pass 2^96 - 1: a
// tick count of 2^96 - 1 in fs whose fraction rounds up to a whole unit, or
// a record whose offset no operation makes (1e300, an infinity). operator
// const char* throws likewise.
UTYPES_API char* TimeTickValueToString(const UniversalTime& time, TimeUnit unit,
                                       UTypes_StatusCode& status);
// The same for a tick count in the time array form, offset 0.0 (which never
// throws); a null array gives status UTypes_Error and an empty image.
UTYPES_API char* TimeTickValueToString_CF(int* ticks, TimeUnit unit, UTypes_StatusCode& status);

#endif  // UNIVERSALTYPES_TIME_TEXT_H
