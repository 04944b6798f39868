// The comparisons: of the library's records, each one library relation (an
// integer against a time is the time's relation to the integer, mirrored);
// of exact values, the order of the rationals.
#include "operand_access.h"
#include "operations.h"

namespace utcalc {

namespace {

// "/=" as not "=": the library has no time /= integer.
template <typename Left, typename Right>
bool Relation(Operator op, const Left& left, const Right& right) {
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

bool Holds(Operator op, const mpq_class& left, const mpq_class& right) {
  return Relation(op, left, right);
}

std::optional<Value> Compare(Operator op, const Value& left, const Value& right) {
  const ValueType l = TypeOf(left), r = TypeOf(right);
  if (l == ValueType::Integer && r == ValueType::Integer)
    return Relation(op, IntegerOf(left), IntegerOf(right));
  if (l == ValueType::Real && r == ValueType::Real) {
    return Relation(op, RealOf(left), RealOf(right));
  }
  if (l == ValueType::Time && r == ValueType::Time) {
    return Relation(op, TimeOf(left), TimeOf(right));
  }
  if (l == ValueType::Time && r == ValueType::Integer)
    return Relation(op, TimeOf(left), IntegerOf(right));
  if (l == ValueType::Integer && r == ValueType::Time) {
    return Relation(Mirrored(op), TimeOf(right), IntegerOf(left));
  }
  if (l == r && l == ValueType::Count) return Holds(op, *ExactNumber(left), *ExactNumber(right));
  if (l == r && l == ValueType::Duration) {
    return Holds(op, ExactFemtoseconds(left), ExactFemtoseconds(right));
  }
  return std::nullopt;
}

}  // namespace utcalc
