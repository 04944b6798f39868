#include "value.h"

#include <cmath>

#include "exact_values.h"

namespace utcalc {

const char* TypeName(ValueType type) {
  switch (type) {
    case ValueType::Integer: return "integer";
    case ValueType::Real: return "real";
    case ValueType::Time:
    case ValueType::Duration: return "time";
    case ValueType::Count: return "count";
    case ValueType::Boolean: return "boolean";
    case ValueType::Frequency: return "frequency";
  }
  return "value";
}

std::optional<mpq_class> ExactReal(const RealValue& real) {
  if (real.literal) return real.literal;
  const double value = static_cast<double>(real.real);
  if (!std::isfinite(value)) return std::nullopt;
  return mpq_class(value);
}

std::optional<mpq_class> ExactNumber(const Value& value) {
  if (TypeOf(value) == ValueType::Integer) {
    return mpq_class(utx::IntegerValue(std::get<UniversalInteger>(value)));
  }
  if (TypeOf(value) == ValueType::Real) return ExactReal(std::get<RealValue>(value));
  if (TypeOf(value) == ValueType::Count) return std::get<Count>(value).value;
  return std::nullopt;
}

mpq_class ExactFemtoseconds(const Value& time) {
  if (TypeOf(time) == ValueType::Duration) return std::get<Duration>(time).femtoseconds;
  return utx::TimeValue(std::get<UniversalTime>(time), UniversalTime::Get_AnalogExists());
}

mpq_class ExactOperand(const Value& number) {
  if (std::optional<mpq_class> value = ExactNumber(number)) return *value;
  const double real = static_cast<double>(std::get<RealValue>(number).real);
  throw UTypes_StatusCodeException(std::isnan(real) ? UTypes_Error : UTypes_Overflow);
}

std::optional<Value> ExactValueOf(const Value& value) {
  switch (TypeOf(value)) {
    case ValueType::Integer:
    case ValueType::Real: {
      const std::optional<mpq_class> number = ExactNumber(value);
      if (!number) return std::nullopt;
      return Count{*number};
    }
    case ValueType::Time: return Duration{ExactFemtoseconds(value)};
    default: return value;
  }
}

}  // namespace utcalc
