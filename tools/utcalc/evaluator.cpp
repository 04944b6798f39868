#include "evaluator.h"

#include <string>

#include "calc_error.h"
#include "operand_access.h"
#include "operations.h"
#include "value_image.h"

namespace utcalc {

namespace {

bool IsNotANumber(const Value& value) {
  return TypeOf(value) == ValueType::Real && !(RealOf(value) == RealOf(value));
}

// UTypes_Error means a zero divisor, or a NaN where ticks must come from a
// real; the operands tell which.
[[noreturn]] void ReportFailure(UTypes_StatusCode code, int column, const Value& left,
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
    ReportFailure(exception.Get_StatusCode(), column, left, right);
  } catch (const NoExactValue& failure) {
    throw CalcError{column, failure.reason};
  }
  if (!result) throw CalcError{column, "type mismatch: " + mismatch};
  return *result;
}

// time + count and the like: a count beside a time is no femtosecond
// count, so the hint shows how to write one.
std::string MismatchHint(const Value& left, Operator op, const Value& right) {
  const bool adding = op == Operator::Plus || op == Operator::Minus || IsComparison(op);
  const ValueType l = TypeOf(left), r = TypeOf(right);
  const bool timeAndCount = (l == ValueType::Duration && r == ValueType::Count) ||
                            (l == ValueType::Count && r == ValueType::Duration);
  if (!adding || !timeAndCount) return "";
  const std::string count = ImageOf(l == ValueType::Count ? left : right, OutputFormat{});
  const bool fraction = count.find('/') != std::string::npos;
  return " (a count is no time: write " + (fraction ? "(" + count + ") * 1" : count) + " fs)";
}

class Evaluator {
 public:
  explicit Evaluator(const EvaluationMode& mode) : mode_(mode) {}

  Value Run(const Node& node) {
    switch (node.kind) {
      case Node::Kind::Literal: return node.value;
      case Node::Kind::Unary: return Unary(node);
      case Node::Kind::Chain: return Chain(node);
    }
    return node.value;
  }

 private:
  Value Unary(const Node& node) {
    const Value operand = Run(*node.operand);
    const std::string mismatch =
        std::string(OperatorText(node.op)) + " " + TypeName(TypeOf(operand));
    return Checked([&] { return ApplyUnary(node.op, operand); }, node.column, mismatch, operand,
                   operand);
  }

  Value Chain(const Node& node) {
    Value value = Run(*node.operand);
    for (const Link& link : node.links) {
      const Value left = value;
      value = Binary(link.op, link.column, left, Run(*link.operand));
    }
    return value;
  }

  Value Binary(Operator op, int column, const Value& left, const Value& right) {
    const std::string mismatch = std::string(TypeName(TypeOf(left))) + " " + OperatorText(op) +
                                 " " + TypeName(TypeOf(right)) + MismatchHint(left, op, right);
    const Value value = Checked([&] { return Apply(op, left, right, mode_.library); }, column,
                                mismatch, left, right);
    if (mode_.library) NoteExactDifference(column, value, left, op, right);
    return value;
  }

  // The library's answer read exactly, against the exact answer from its
  // operands read exactly.
  void NoteExactDifference(int column, const Value& value, const Value& left, Operator op,
                           const Value& right) const {
    const std::optional<Value> exactLeft = ExactValueOf(left), exactRight = ExactValueOf(right);
    const std::optional<Value> answer = ExactValueOf(value);
    if (!exactLeft || !exactRight || !answer) return;
    std::string exact;
    try {
      const std::optional<Value> exactValue = Apply(op, *exactLeft, *exactRight, false);
      if (!exactValue) return;
      exact = ImageOf(*exactValue, OutputFormat{});
      if (exact == ImageOf(*answer, OutputFormat{})) return;
      exact = "the exact value is " + exact;
    } catch (const UTypes_StatusCodeException& exception) {
      exact = exception.Get_StatusCode() == UTypes_Overflow ? "the exact value overflows"
                                                            : "there is no exact value";
    }
    if (mode_.notes != nullptr) {
      *mode_.notes << "utcalc: note: column " << column << ": the library's answer is inexact; "
                   << exact << std::endl;
    }
  }

  const EvaluationMode& mode_;
};

}  // namespace

Value Evaluate(const Node& node, const EvaluationMode& mode) { return Evaluator(mode).Run(node); }

}  // namespace utcalc
