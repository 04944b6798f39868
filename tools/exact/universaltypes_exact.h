/* Exact answers over the library's records, for the faces a person reads:
 * the calculator and the Python package.
 *
 * The library keeps its specified lossy operations (a product of integers
 * keeps its low 96 bits, a time divided by an integer goes through a double
 * reciprocal); hosts rely on them. This layer computes the same operations
 * exactly, on rational numbers, and returns a record only where the exact
 * result fits it:
 *
 *   - A result beyond +-(2^96 - 1) (integers) or +-(2^96 - 1) fs (times) is
 *     an overflow (status 2), for every operation.
 *   - A time's value is ticks + offset (the offset taken as the exact double
 *     it holds) when analog is nonzero, the ticks alone when it is zero.
 *   - A time result is rounded to a record by one rule: with analog nonzero,
 *     ticks = floor(value) and offset = the rest in [0, 1) correctly rounded
 *     to a double (a rest that rounds to 1.0 carries into the ticks); with
 *     analog zero, ticks = value truncated toward zero and offset 0.0.
 *   - Records are canonical: zero has sign +1, an offset of zero is +0.0.
 *   - rem takes the sign of the dividend, mod the sign of the divisor, for
 *     integers and times alike.
 *
 * Rational text, as taken and written here: an optional '-', then decimal
 * digits, optionally '/' and a positive denominator ("-3/4", "12"); or a
 * decimal real literal ("156.25e6", "1e-17", "0.1", "-2.5E+3"), taken as the
 * exact decimal it spells. Written text is always "p" or "p/q" in lowest
 * terms.
 *
 * Status codes, as the library's flat calls: 0 success, 1 error (a null
 * pointer, text that is no rational or no literal, division by zero, an
 * unknown operation, a buffer too small), 2 overflow. A result record is
 * written only on success.
 */
#ifndef UNIVERSALTYPES_EXACT_H
#define UNIVERSALTYPES_EXACT_H

#include <stddef.h>

#include "universaltypes/flat.h"

#if defined(_WIN32) || defined(__CYGWIN__)
#  define UTX_API_EXPORT __declspec(dllexport)
#else
#  define UTX_API_EXPORT __attribute__((visibility("default")))
#endif
#ifdef __cplusplus
#  define UTX_API extern "C" UTX_API_EXPORT
#else
#  define UTX_API UTX_API_EXPORT
#endif

enum UTX_Operation {
  UTX_Add = 0,
  UTX_Subtract = 1,
  UTX_Multiply = 2,
  UTX_Divide = 3, /* integers: truncated toward zero */
  UTX_Rem = 4,
  UTX_Mod = 5,
  UTX_Quotient = 6 /* rationals only: the quotient truncated toward zero */
};

/* The longest texts the layer writes about one time record, with the
 * terminating NUL. An offset is a double in [0, 1): its exact value is
 * m / 2^k with k at most 1074 (5e-324 is 1 / 2^1074). As rational text the
 * denominator 2^1074 has 324 digits and the numerator, below
 * 2^96 * 2^1074, at most 353 and a sign: 680 bytes. As a decimal the rest
 * has up to 1074 places, after a tick count of up to 29 digits and a sign:
 * "-79228162514264337593543950335 fs + 0.<1074 digits> fs", 1116 bytes. */
#define UTX_TIME_RATIONAL_TEXT_SIZE 680
#define UTX_FEMTOSECOND_IMAGE_SIZE 1116

/* A count, or a time in femtoseconds, that the faces hold exactly: its
 * magnitude is at most 2^96 - 1 and its denominator below 2^65536 (so that
 * no line of input grows a number without bound). Rational text of such a
 * value fits UTX_RATIONAL_TEXT_SIZE bytes. */
#define UTX_MOST_DENOMINATOR_BITS 65536
#define UTX_RATIONAL_TEXT_SIZE 39500

/* The time units, indexed as TimeUnit (fs, ps, ns, us, ms, sec, min, hr):
 * how many there are, each one's name as literals and images spell it, and
 * its size in femtoseconds. A unit outside [0, UTX_UnitCount()) has no name
 * (NULL) and size 0. */
UTX_API int UTX_UnitCount(void);
UTX_API const char* UTX_UnitName(int unit);
UTX_API unsigned long long UTX_UnitFemtoseconds(int unit);

/* Integers: left op right, every operation of UTX_Operation. */
UTX_API int UTX_IntegerArithmetic(int operation, const UniversalInteger* left,
                                  const UniversalInteger* right, UniversalInteger* result);
/* A whole number in rational text ("-12"; "4/2" too) as a record. */
UTX_API int UTX_IntegerFromText(const char* text, UniversalInteger* result);
/* The decimal text of an integer record; 1 where it does not fit size. */
UTX_API int UTX_IntegerToText(const UniversalInteger* integer, char* buffer, size_t size);

/* A number of femtoseconds in rational text, rounded to a record. */
UTX_API int UTX_TimeFromFemtoseconds(const char* rational, int analog, UniversalTime* result);
/* The exact value of a time in femtoseconds, as rational text (at most
 * UTX_TIME_RATIONAL_TEXT_SIZE bytes). */
UTX_API int UTX_TimeToFemtoseconds(const UniversalTime* time, int analog, char* buffer,
                                   size_t size);

/* Times: UTX_Add, UTX_Subtract, UTX_Rem, UTX_Mod (a time; rem and mod are
 * of the exact values, so "now mod period" is the phase within a clock). */
UTX_API int UTX_TimeArithmetic(int operation, const UniversalTime* left,
                               const UniversalTime* right, int analog, UniversalTime* result);
/* left / right truncated toward zero, as an integer. */
UTX_API int UTX_TimeQuotient(const UniversalTime* left, const UniversalTime* right, int analog,
                             UniversalInteger* result);
/* time * factor or time / factor (UTX_Multiply, UTX_Divide), factor an
 * integer record, or rational text (a real the user typed, a Fraction, a
 * Decimal, or a double's exact value). */
UTX_API int UTX_TimeScaledByInteger(const UniversalTime* time, int operation,
                                    const UniversalInteger* factor, int analog,
                                    UniversalTime* result);
UTX_API int UTX_TimeScaledByRational(const UniversalTime* time, int operation,
                                     const char* factor, int analog, UniversalTime* result);

/* Parses text that must be exactly one time literal ("1.5 ns", "16#FF# ns",
 * "1_000 ps", "ns"), surrounding spaces allowed, with the library's own
 * parser and its switches. Status 1 for anything else, with *column the
 * 1-based column of the first character that is not part of the literal
 * ("12 ns xyz": 7, "1 ns + 1 ps": 6). Status 2 beyond the tick range. */
UTX_API int UTX_ParseTimeLiteral(const char* text, size_t length, UniversalTime* result,
                                 size_t* column);

/* The exact image of a time in femtoseconds: "<ticks> fs" while the offset
 * is zero, else the ticks and the exact decimal value of the offset, e.g.
 * "6399999 fs + 0.99999999999999997779553950749686919152736663818359375 fs".
 * The ticks are floor(value) and the rest is in (0, 1), so the image reads
 * as the sum it writes: -1.25 fs is "-2 fs + 0.75 fs". Status 1 where it
 * does not fit size (UTX_FEMTOSECOND_IMAGE_SIZE bytes always suffice: a
 * subnormal offset has hundreds of digits). */
UTX_API int UTX_FemtosecondImage(const UniversalTime* time, int analog, char* buffer,
                                 size_t size);

/* Rationals in rational text (counts, or times in femtoseconds): left op
 * right exactly, every operation of UTX_Operation. UTX_Divide is the exact
 * quotient ("10" / "3" is "10/3"), UTX_Quotient the quotient truncated
 * toward zero; rem and mod as for integers. Status 2 where the result
 * leaves the range above (UTX_MOST_DENOMINATOR_BITS). */
UTX_API int UTX_RationalArithmetic(int operation, const char* left, const char* right,
                                   char* buffer, size_t size);

/* The exact value in femtoseconds of text that must be exactly one time
 * literal (as UTX_ParseTimeLiteral takes it, and refuses it with the same
 * status and *column): a decimal number is the decimal it spells, so
 * "0.1 fs" is 1/10 and "1e-30 hr" is 9/2500000000000 fs; a based number is
 * the number it spells, its exponent a power of the base ("3#0.1# fs" is
 * 1/3; where the library's record of it disagrees with that reading, the
 * record's value, ticks + offset). With analog
 * zero the value is truncated to whole femtoseconds, as the library's
 * literals then are. Written as rational text. */
UTX_API int UTX_LiteralFemtoseconds(const char* text, size_t length, int analog, char* buffer,
                                    size_t size, size_t* column);

#endif /* UNIVERSALTYPES_EXACT_H */
