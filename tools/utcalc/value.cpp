#include "value.h"

#include <cmath>

#include "exact_values.h"

namespace utcalc {

const char* TypeName(ValueType type) {
  switch (type) {
    case ValueType::Integer: return "integer";
    case ValueType::Real: return "real";
    case ValueType::Time: return "time";
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
  return std::nullopt;
}

mpq_class ExactOperand(const Value& number) {
  if (std::optional<mpq_class> value = ExactNumber(number)) return *value;
  const double real = static_cast<double>(std::get<RealValue>(number).real);
  throw UTypes_StatusCodeException(std::isnan(real) ? UTypes_Error : UTypes_Overflow);
}

}  // namespace utcalc
