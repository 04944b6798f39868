#include "evaluator.h"

#include <string>

#include "calc_error.h"
#include "operand_access.h"
#include "operations.h"

namespace utcalc {

namespace {

bool IsNotANumber(const Value& value) {
  return TypeOf(value) == ValueType::Real && !(RealOf(value) == RealOf(value));
}

// The library reports UTypes_Error for a zero divisor and for a NaN where
// ticks must come from a real; the operands tell which.
[[noreturn]] void ReportLibraryFailure(UTypes_StatusCode code, int column, const Value& left,
                                       const Value& right) {
  if (code == UTypes_Overflow) throw CalcError{column, "overflow beyond the 96-bit range"};
  if (IsNotANumber(left) || IsNotANumber(right)) {
    throw CalcError{column, "no value: a real that is not a number"};
  }
  throw CalcError{column, "division by zero"};
}

template <typename Operation>
Value Checked(Operation operation, int column, const std::string& mismatch, const Value& left,
              const Value& right) {
  std::optional<Value> result;
  try {
    result = operation();
  } catch (const UTypes_StatusCodeException& exception) {
    ReportLibraryFailure(exception.Get_StatusCode(), column, left, right);
  }
  if (!result) throw CalcError{column, "type mismatch: " + mismatch};
  return *result;
}

Value EvaluateUnary(const Node& node) {
  const Value operand = Evaluate(*node.operand);
  const std::string mismatch = std::string(OperatorText(node.op)) + " " + TypeName(TypeOf(operand));
  return Checked([&] { return ApplyUnary(node.op, operand); }, node.column, mismatch, operand,
                 operand);
}

Value EvaluateChain(const Node& node) {
  Value value = Evaluate(*node.operand);
  for (const Link& link : node.links) {
    const Value left = value;
    const Value right = Evaluate(*link.operand);
    const std::string mismatch = std::string(TypeName(TypeOf(left))) + " " + OperatorText(link.op) +
                                 " " + TypeName(TypeOf(right));
    value = Checked(
        [&] {
          return IsComparison(link.op) ? Compare(link.op, left, right)
                                       : ApplyBinary(link.op, left, right);
        },
        link.column, mismatch, left, right);
  }
  return value;
}

}  // namespace

Value Evaluate(const Node& node) {
  switch (node.kind) {
    case Node::Kind::Literal: return node.value;
    case Node::Kind::Unary: return EvaluateUnary(node);
    case Node::Kind::Chain: return EvaluateChain(node);
  }
  return node.value;
}

}  // namespace utcalc
