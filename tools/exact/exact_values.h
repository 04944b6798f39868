// The exact values behind the records, for the exact layer's entry points
// and for the calculator: integers as mpz_class, times as mpq_class
// femtoseconds, and the one rounding rule that turns a value back into a
// record.
#ifndef UNIVERSALTYPES_EXACT_VALUES_H
#define UNIVERSALTYPES_EXACT_VALUES_H

#include <gmpxx.h>

#include <optional>
#include <string>
#include <string_view>

#include "universaltypes/universal_integer.h"
#include "universaltypes/universal_time.h"
#include "universaltypes_exact.h"

namespace utx {

UTX_API_EXPORT mpz_class IntegerValue(const UniversalInteger& integer);
// Empty where the value does not fit +-(2^96 - 1). Zero has sign +1.
UTX_API_EXPORT std::optional<UniversalInteger> IntegerRecord(const mpz_class& value);

// ticks + offset (the double taken exactly) with analog, the ticks alone
// without.
UTX_API_EXPORT mpq_class TimeValue(const UniversalTime& time, bool analog);
// With analog: ticks = floor(value), offset = the rest correctly rounded to a
// double, a rest that rounds to 1.0 carrying into the ticks. Without:
// ticks = value truncated toward zero, offset 0.0. Empty where the ticks do
// not fit +-(2^96 - 1).
UTX_API_EXPORT std::optional<UniversalTime> TimeRecord(const mpq_class& femtoseconds, bool analog);

// The double nearest to value (ties to even); value >= 0 and below 2^1024.
UTX_API_EXPORT double NearestDouble(const mpq_class& value);

// "p", "p/q" (q > 0) or a decimal real literal ("156.25e6", "-2.5E+3"),
// exactly; empty for anything else, and for exponents beyond +-5000.
UTX_API_EXPORT std::optional<mpq_class> RationalFromText(std::string_view text);
// "p" or "p/q" in lowest terms.
UTX_API_EXPORT std::string RationalText(const mpq_class& value);
// The exact decimal of a value whose denominator has no prime factor but 2
// and 5 ("0.375", "-12"); the "p/q" form otherwise.
UTX_API_EXPORT std::string DecimalText(const mpq_class& value);

// left op right for every UTX_Operation: UTX_Divide exactly, UTX_Quotient
// truncated toward zero. Empty for an unknown operation or a zero divisor.
UTX_API_EXPORT std::optional<mpq_class> RationalArithmetic(int operation, const mpq_class& left,
                                                           const mpq_class& right);
// A count, or a time in femtoseconds, within the range the faces hold:
// magnitude at most 2^96 - 1, denominator below 2^UTX_MOST_DENOMINATOR_BITS.
UTX_API_EXPORT bool IsWithinRange(const mpq_class& value);

// A decimal number as the library's literal grammar writes it: digits with
// single underscores between them, an optional point and digits, an
// optional exponent ("1_000.5e-3"; no based number).
UTX_API_EXPORT bool IsDecimalLiteral(std::string_view number);
// Its exact value; empty for anything else, and for exponents beyond +-5000.
UTX_API_EXPORT std::optional<mpq_class> DecimalLiteralValue(std::string_view number);
// The exact femtoseconds of a time literal that the library read as
// record: a decimal or based number times its unit (3#0.1# fs is 1/3 fs); a
// unit alone, and a based number whose record disagrees with the value
// read here, as the record holds it. Without analog truncated to whole
// femtoseconds.
// Empty for a decimal exponent beyond +-5000.
UTX_API_EXPORT std::optional<mpq_class> LiteralFemtoseconds(std::string_view literal,
                                                            const UniversalTime& record,
                                                            bool analog);

// The rest of a quotient: rem takes the sign of the dividend, mod the sign of
// the divisor. divisor is nonzero.
UTX_API_EXPORT mpq_class RationalRemainder(const mpq_class& dividend, const mpq_class& divisor,
                                           bool modulo);

}  // namespace utx

#endif
