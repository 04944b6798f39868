// The operators over calculator values. Every result comes from one of the
// library's own operators, conversions or comparisons; an operand pair the
// library has no operator for gives no value (a type mismatch). Library
// failures pass out as UTypes_StatusCodeException.
#ifndef UTCALC_OPERATIONS_H
#define UTCALC_OPERATIONS_H

#include <optional>
#include <string>

#include "operators.h"
#include "value.h"

namespace utcalc {

// The same operators evaluated exactly, for the operand pairs that have an
// exact rule (every pair with an integer or a time); empty for the others.
// Overflow and division by zero pass out as UTypes_StatusCodeException.
std::optional<Value> ApplyExact(Operator op, const Value& left, const Value& right);
// Operations with a frequency, and a number divided by a time, which the
// library has no operator for: exact in every mode. Throws NoExactValue for
// a count no integer or real holds exactly.
struct NoExactValue {
  std::string reason;
};
bool IsFrequencyOperation(Operator op, const Value& left, const Value& right);
std::optional<Value> ApplyFrequency(Operator op, const Value& left, const Value& right);
std::optional<Value> ApplyBinary(Operator op, const Value& left, const Value& right);
std::optional<Value> Compare(Operator op, const Value& left, const Value& right);
// Operator::Plus, Operator::Minus (negation) or Operator::Abs.
std::optional<Value> ApplyUnary(Operator op, const Value& operand);

}  // namespace utcalc

#endif
