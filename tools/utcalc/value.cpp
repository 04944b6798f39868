#include "value.h"

#include <cmath>

namespace utcalc {

const char* TypeName(ValueType type) {
  switch (type) {
    case ValueType::Integer: return "integer";
    case ValueType::Real: return "real";
    case ValueType::Time: return "time";
    case ValueType::Boolean: return "boolean";
  }
  return "value";
}

std::optional<mpq_class> ExactReal(const RealValue& real) {
  if (real.literal) return real.literal;
  const double value = static_cast<double>(real.real);
  if (!std::isfinite(value)) return std::nullopt;
  return mpq_class(value);
}

}  // namespace utcalc
