// The operators over calculator values: exactly on counts and times (the
// default), or with the library's own operators, conversions and
// comparisons on its records (--lib). An operand pair with no operator gives
// no value (a type mismatch). Overflow and a zero divisor pass out as
// UTypes_StatusCodeException.
#ifndef UTCALC_OPERATIONS_H
#define UTCALC_OPERATIONS_H

#include <optional>
#include <string>

#include "operators.h"
#include "value.h"

namespace utcalc {

// Any binary operator: the integer quotient 'div' is the quotient '/' gives,
// truncated toward zero, where that quotient is a number.
std::optional<Value> Apply(Operator op, const Value& left, const Value& right, bool library);

// Counts and times exactly: count op count, time + - rem mod time, time /
// time (a count), time * / count, count * time.
std::optional<Value> ApplyExact(Operator op, const Value& left, const Value& right);
// An exact count or time result, checked against the range (and a time
// truncated to whole femtoseconds while the analog flag is clear).
Value ExactCount(const mpq_class& value);
Value ExactTime(const mpq_class& femtoseconds);

// Operations with a frequency, and a number divided by a time, which the
// library has no operator for: exact in every mode. With the library's
// types (library true) throws NoExactValue for a count no integer or real
// holds exactly.
struct NoExactValue {
  std::string reason;
};
bool IsFrequencyOperation(Operator op, const Value& left, const Value& right);
std::optional<Value> ApplyFrequency(Operator op, const Value& left, const Value& right,
                                    bool library);
std::optional<Value> ApplyBinary(Operator op, const Value& left, const Value& right);
std::optional<Value> Compare(Operator op, const Value& left, const Value& right);
// A comparison of two exact values.
bool Holds(Operator op, const mpq_class& left, const mpq_class& right);
// Operator::Plus, Operator::Minus (negation) or Operator::Abs.
std::optional<Value> ApplyUnary(Operator op, const Value& operand);

}  // namespace utcalc

#endif
