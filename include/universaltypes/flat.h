/* The flat interface: every operation on plain records under plain C names.
 *
 * Usable from C (C99 and later) and from C++. In C the three records are the
 * structs below, laid out byte for byte as the C++ classes of the same names
 * (which is what a C++ host gets from this header): hosts pass them by
 * pointer, and a status-returning function writes its result record only on
 * success, so the result may be either operand.
 *
 *   UniversalInteger  16 bytes: sign (+1 or -1), count of significant 16-bit
 *                     digits (0..6), magnitude words 0..2, least significant
 *                     first. Zero is (+1, 0, 0, 0, 0).
 *   UniversalReal      8 bytes: one IEEE 754 double.
 *   UniversalTime     24 bytes: the ticks (femtoseconds) as an integer record,
 *                     then the offset (a fraction of a femtosecond, normally
 *                     in [0, 1)) as a double at byte 16.
 *
 * Status codes: 0 success, 1 error (a bad operand: division by zero, a NaN,
 * a null pointer), 2 overflow of the 96-bit range.
 */
#ifndef UNIVERSALTYPES_FLAT_H
#define UNIVERSALTYPES_FLAT_H

#include "universaltypes/export.h"

#ifdef __cplusplus
class UniversalInteger;
class UniversalReal;
class UniversalTime;
#else
#include <stddef.h>
#include <stdint.h>

typedef struct UniversalInteger {
  int16_t sign;
  int16_t digitCount;
  uint32_t words[3];
} UniversalInteger;

typedef struct UniversalReal {
  double value;
} UniversalReal;

typedef struct UniversalTime {
  UniversalInteger ticks;
  UniversalReal offset;
} UniversalTime;

/* Layout checks that C99 accepts: an array of negative size fails. */
typedef char UniversalIntegerIs16Bytes[sizeof(UniversalInteger) == 16 ? 1 : -1];
typedef char UniversalIntegerWordsAt4[offsetof(UniversalInteger, words) == 4 ? 1 : -1];
typedef char UniversalRealIs8Bytes[sizeof(UniversalReal) == 8 ? 1 : -1];
typedef char UniversalTimeIs24Bytes[sizeof(UniversalTime) == 24 ? 1 : -1];
typedef char UniversalTimeOffsetAt16[offsetof(UniversalTime, offset) == 16 ? 1 : -1];
#endif

// Flat interface: plain C names over records passed by pointer. Comparisons
// return 1 or 0; arithmetic returns a UTypes_StatusCode and writes the result
// only on success (the result may be either operand). A null pointer is
// refused: comparisons return 0, arithmetic returns UTypes_Error.
UTYPES_C_API int UniversalIntegerEqualsUniversalInteger(const UniversalInteger* left,
                                                        const UniversalInteger* right);
UTYPES_C_API int UniversalIntegerNotEqualUniversalInteger(const UniversalInteger* left,
                                                          const UniversalInteger* right);
UTYPES_C_API int UniversalIntegerLessThanUniversalInteger(const UniversalInteger* left,
                                                          const UniversalInteger* right);
UTYPES_C_API int UniversalIntegerLessEqualUniversalInteger(const UniversalInteger* left,
                                                           const UniversalInteger* right);
UTYPES_C_API int UniversalIntegerGreaterThanUniversalInteger(const UniversalInteger* left,
                                                             const UniversalInteger* right);
UTYPES_C_API int UniversalIntegerGreaterEqualUniversalInteger(const UniversalInteger* left,
                                                              const UniversalInteger* right);
UTYPES_C_API int UniversalIntegerMagnitudeLessThanUniversalInteger(const UniversalInteger* left,
                                                                   const UniversalInteger* right);
UTYPES_C_API int UniversalIntegerMagnitudeGreaterThanUniversalInteger(
    const UniversalInteger* left, const UniversalInteger* right);
UTYPES_C_API int UniversalIntegerPlusUniversalInteger(const UniversalInteger* left,
                                                      const UniversalInteger* right,
                                                      UniversalInteger* result);
UTYPES_C_API int UniversalIntegerMinusUniversalInteger(const UniversalInteger* left,
                                                       const UniversalInteger* right,
                                                       UniversalInteger* result);
UTYPES_C_API int UniversalIntegerTimesUniversalInteger(const UniversalInteger* left,
                                                       const UniversalInteger* right,
                                                       UniversalInteger* result);
UTYPES_C_API int UniversalIntegerTimesInt(const UniversalInteger* left, int right,
                                          UniversalInteger* result);
// Return UTypes_Error for a nonzero dividend over a zero divisor.
UTYPES_C_API int UniversalIntegerDividedByUniversalInteger(const UniversalInteger* left,
                                                           const UniversalInteger* right,
                                                           UniversalInteger* result);
UTYPES_C_API int UniversalIntegerDividedByInt(const UniversalInteger* left, int right,
                                              UniversalInteger* result);
UTYPES_C_API int UniversalIntegerRemUniversalInteger(const UniversalInteger* left,
                                                     const UniversalInteger* right,
                                                     UniversalInteger* result);
UTYPES_C_API int UniversalIntegerModUniversalInteger(const UniversalInteger* left,
                                                     const UniversalInteger* right,
                                                     UniversalInteger* result);

// Flat interface. Arithmetic writes the result and returns 0 (1 for a null
// pointer); comparisons return 1 or 0.
UTYPES_C_API int UniversalRealPlusUniversalReal(const UniversalReal* left,
                                                const UniversalReal* right, UniversalReal* result);
UTYPES_C_API int UniversalRealMinusUniversalReal(const UniversalReal* left,
                                                 const UniversalReal* right, UniversalReal* result);
UTYPES_C_API int UniversalRealTimesDouble(const UniversalReal* left, double right,
                                          UniversalReal* result);
UTYPES_C_API int UniversalRealTimesInt(const UniversalReal* left, int right,
                                       UniversalReal* result);
UTYPES_C_API int UniversalRealDividedByDouble(const UniversalReal* left, double right,
                                              UniversalReal* result);
UTYPES_C_API int UniversalRealDividedByInt(const UniversalReal* left, int right,
                                           UniversalReal* result);
UTYPES_C_API int UniversalRealEqualsUniversalReal(const UniversalReal* left,
                                                  const UniversalReal* right);
UTYPES_C_API int UniversalRealNotEqualUniversalReal(const UniversalReal* left,
                                                    const UniversalReal* right);
UTYPES_C_API int UniversalRealLessThanUniversalReal(const UniversalReal* left,
                                                    const UniversalReal* right);
UTYPES_C_API int UniversalRealLessEqualUniversalReal(const UniversalReal* left,
                                                     const UniversalReal* right);
UTYPES_C_API int UniversalRealGreaterThanUniversalReal(const UniversalReal* left,
                                                       const UniversalReal* right);
UTYPES_C_API int UniversalRealGreaterEqualUniversalReal(const UniversalReal* left,
                                                        const UniversalReal* right);

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

// The tick count as a double, "%.0f fs", in a buffer of its own.
UTYPES_C_API char* PhysicalTimeTickImage(const UniversalInteger* ticks);

#endif  /* UNIVERSALTYPES_FLAT_H */
