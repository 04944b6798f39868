#include "value.h"

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

}  // namespace utcalc
