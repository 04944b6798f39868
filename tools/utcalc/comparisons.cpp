// The comparisons, each one library relation. An integer against a time
// is the time's relation to the integer, mirrored.
#include "operand_access.h"
#include "operations.h"

namespace utcalc {

namespace {

// "/=" as not "=": the library has no time /= integer.
template <typename Left, typename Right>
bool Holds(Operator op, const Left& left, const Right& right) {
  switch (op) {
    case Operator::Equal: return left == right;
    case Operator::NotEqual: return !(left == right);
    case Operator::Less: return left < right;
    case Operator::LessEqual: return left <= right;
    case Operator::Greater: return left > right;
    default: return left >= right;
  }
}

Operator Mirrored(Operator op) {
  switch (op) {
    case Operator::Less: return Operator::Greater;
    case Operator::LessEqual: return Operator::GreaterEqual;
    case Operator::Greater: return Operator::Less;
    case Operator::GreaterEqual: return Operator::LessEqual;
    default: return op;
  }
}

}  // namespace

std::optional<Value> Compare(Operator op, const Value& left, const Value& right) {
  const ValueType l = TypeOf(left), r = TypeOf(right);
  if (l == ValueType::Integer && r == ValueType::Integer)
    return Holds(op, IntegerOf(left), IntegerOf(right));
  if (l == ValueType::Real && r == ValueType::Real) return Holds(op, RealOf(left), RealOf(right));
  if (l == ValueType::Time && r == ValueType::Time) return Holds(op, TimeOf(left), TimeOf(right));
  if (l == ValueType::Time && r == ValueType::Integer)
    return Holds(op, TimeOf(left), IntegerOf(right));
  if (l == ValueType::Integer && r == ValueType::Time) {
    return Holds(Mirrored(op), TimeOf(right), IntegerOf(left));
  }
  return std::nullopt;
}

}  // namespace utcalc
