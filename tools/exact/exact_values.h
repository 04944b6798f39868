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

// The rest of a quotient: rem takes the sign of the dividend, mod the sign of
// the divisor. divisor is nonzero.
UTX_API_EXPORT mpq_class RationalRemainder(const mpq_class& dividend, const mpq_class& divisor,
                                           bool modulo);

}  // namespace utx

#endif
