// The arithmetic operators evaluated exactly, through the exact layer: a
// result is the exact value rounded to a record by the layer's one rule, or
// an overflow beyond the 96-bit range. Reals among themselves have no exact
// rule: real arithmetic is the double arithmetic of the library.
#include "exact_values.h"
#include "operand_access.h"
#include "operations.h"
#include "universaltypes_exact.h"

namespace utcalc {

namespace {

bool Analog() { return UniversalTime::Get_AnalogExists(); }

int ExactOperation(Operator op) {
  switch (op) {
    case Operator::Plus: return UTX_Add;
    case Operator::Minus: return UTX_Subtract;
    case Operator::Times: return UTX_Multiply;
    case Operator::Divide: return UTX_Divide;
    case Operator::Rem: return UTX_Rem;
    default: return UTX_Mod;
  }
}

template <typename Record>
Value Checked(int status, const Record& result) {
  if (status != 0) throw UTypes_StatusCodeException(static_cast<UTypes_StatusCode>(status));
  return result;
}

// An integer beside a time counts femtosecond ticks.
UniversalTime TicksAsTime(const Value& integer) {
  return *utx::TimeRecord(mpq_class(utx::IntegerValue(IntegerOf(integer))), false);
}

Value Integers(Operator op, const Value& left, const Value& right) {
  UniversalInteger result;
  return Checked(UTX_IntegerArithmetic(ExactOperation(op), &IntegerOf(left), &IntegerOf(right),
                                       &result),
                 result);
}

Value Times(int operation, const UniversalTime& left, const UniversalTime& right) {
  UniversalTime result;
  return Checked(UTX_TimeArithmetic(operation, &left, &right, Analog(), &result), result);
}

Value TimeWithTime(Operator op, const Value& left, const Value& right) {
  if (op != Operator::Divide) return Times(ExactOperation(op), TimeOf(left), TimeOf(right));
  UniversalInteger quotient;
  return Checked(UTX_TimeQuotient(&TimeOf(left), &TimeOf(right), Analog(), &quotient), quotient);
}

Value TimeWithInteger(Operator op, const Value& time, const Value& integer) {
  if (op == Operator::Plus || op == Operator::Minus)
    return Times(ExactOperation(op), TimeOf(time), TicksAsTime(integer));
  UniversalTime result;
  return Checked(UTX_TimeScaledByInteger(&TimeOf(time), ExactOperation(op), &IntegerOf(integer),
                                         Analog(), &result),
                 result);
}

Value TimeWithReal(Operator op, const Value& time, const Value& real) {
  const mpq_class factor = ExactOperand(real);
  UniversalTime result;
  return Checked(UTX_TimeScaledByRational(&TimeOf(time), ExactOperation(op),
                                          utx::RationalText(factor).c_str(), Analog(), &result),
                 result);
}

bool AnyArithmetic(Operator) { return true; }
bool Adding(Operator op) { return op == Operator::Plus || op == Operator::Minus; }
bool Scaling(Operator op) { return op == Operator::Times || op == Operator::Divide; }
bool IsTimes(Operator op) { return op == Operator::Times; }
bool NotTimes(Operator op) { return op != Operator::Times; }
bool AddingOrScaling(Operator op) { return Adding(op) || Scaling(op); }
bool PlusOrTimes(Operator op) { return op == Operator::Plus || op == Operator::Times; }

struct ExactRule {
  ValueType left;
  ValueType right;
  bool (*accepts)(Operator);
  Value (*apply)(Operator op, const Value& left, const Value& right);
  bool swapped;  // apply(op, right, left): the operator commutes
};

constexpr ExactRule kExactRules[] = {
    {ValueType::Integer, ValueType::Integer, AnyArithmetic, Integers, false},
    {ValueType::Time, ValueType::Time, NotTimes, TimeWithTime, false},
    {ValueType::Time, ValueType::Integer, AddingOrScaling, TimeWithInteger, false},
    {ValueType::Integer, ValueType::Time, PlusOrTimes, TimeWithInteger, true},
    {ValueType::Time, ValueType::Real, Scaling, TimeWithReal, false},
    {ValueType::Real, ValueType::Time, IsTimes, TimeWithReal, true},
};

}  // namespace

std::optional<Value> ApplyExact(Operator op, const Value& left, const Value& right) {
  for (const ExactRule& rule : kExactRules) {
    if (rule.left == TypeOf(left) && rule.right == TypeOf(right) && rule.accepts(op)) {
      return rule.swapped ? rule.apply(op, right, left) : rule.apply(op, left, right);
    }
  }
  return std::nullopt;
}

}  // namespace utcalc
