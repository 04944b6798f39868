// Sign and abs. On the library's records negation is its subtraction from
// its zero (as its literal parser negates), or for reals the product by -1,
// which is exact (and negates a literal's decimal with it). Exact values
// and frequencies are negated exactly.
#include "operand_access.h"
#include "operations.h"

namespace utcalc {

namespace {

std::optional<Value> Negated(const Value& operand) {
  switch (TypeOf(operand)) {
    case ValueType::Integer: return UniversalInteger::Get_TheConstantZero() - IntegerOf(operand);
    case ValueType::Real: {
      const std::optional<mpq_class>& literal = RealValueOf(operand).literal;
      return RealValue{RealOf(operand) * -1,
                       literal ? std::optional<mpq_class>(-*literal) : std::nullopt};
    }
    case ValueType::Time: return UniversalTime::Get_TheConstantZero() - TimeOf(operand);
    case ValueType::Frequency: return Frequency{-HertzOf(operand)};
    case ValueType::Count: return Count{-std::get<Count>(operand).value};
    case ValueType::Duration: return Duration{-std::get<Duration>(operand).femtoseconds};
    default: return std::nullopt;
  }
}

bool IsNegative(const Value& operand) {
  switch (TypeOf(operand)) {
    case ValueType::Integer: return IntegerOf(operand) < UniversalInteger::Get_TheConstantZero();
    case ValueType::Real: return RealOf(operand) < UniversalReal::Get_TheConstantZero();
    case ValueType::Frequency: return sgn(HertzOf(operand)) < 0;
    case ValueType::Count: return sgn(std::get<Count>(operand).value) < 0;
    case ValueType::Duration: return sgn(std::get<Duration>(operand).femtoseconds) < 0;
    default: return TimeOf(operand) < UniversalTime::Get_TheConstantZero();
  }
}

// Either zero real: -0.0 is not below zero, yet its magnitude is +0.0 (as
// IEEE's abs gives).
bool IsZeroReal(const Value& operand) {
  return TypeOf(operand) == ValueType::Real &&
         RealOf(operand) == UniversalReal::Get_TheConstantZero();
}

}  // namespace

std::optional<Value> ApplyUnary(Operator op, const Value& operand) {
  if (TypeOf(operand) == ValueType::Boolean) return std::nullopt;
  if (op == Operator::Minus) return Negated(operand);
  if (op != Operator::Abs) return operand;
  if (IsZeroReal(operand)) return RealValue{UniversalReal::Get_TheConstantZero(), std::nullopt};
  return IsNegative(operand) ? Negated(operand) : operand;
}

}  // namespace utcalc
