// The arithmetic operators by operand types, each one library operator.
// Integers and reals mix as reals through the library's conversion. A time
// scaled by an integer uses the library's exact int operators while the
// integer fits an int; beyond, its double (as the library's own
// time / UniversalInteger does).
#include <functional>
#include <type_traits>

#include "operand_access.h"
#include "operations.h"

namespace utcalc {

namespace {

using Int = UniversalInteger;
using Real = UniversalReal;
using Time = UniversalTime;

// A real operand is handed on as its double, which the library's real and
// time scaling operators take.
template <typename T>
T Operand(const Value& value) {
  return std::get<T>(value);
}
template <>
Real Operand<Real>(const Value& value) {
  return RealOf(value);
}
template <>
double Operand<double>(const Value& value) {
  return DoubleOf(value);
}

template <typename T>
constexpr ValueType kTypeOf = std::is_same_v<T, Int>    ? ValueType::Integer
                              : std::is_same_v<T, Time> ? ValueType::Time
                                                        : ValueType::Real;

struct RemOf {
  Int operator()(const Int& left, const Int& right) const { return left.rem(right); }
};
struct ModOf {
  Int operator()(const Int& left, const Int& right) const { return left.mod(right); }
};
// The quotient of the tick counts; the offsets take no part.
struct TickQuotient {
  Int operator()(const Time& left, const Time& right) const {
    return left.UniversalToPhysicalTime() / right.UniversalToPhysicalTime();
  }
};
struct TimesInteger {
  Time operator()(const Time& time, const Int& factor) const {
    if (const std::optional<int> n = AsInt(factor)) return time * *n;
    return time * static_cast<double>(factor);
  }
  Real operator()(const Real& real, const Int& factor) const {
    return real * static_cast<double>(Real(factor));
  }
};
struct DividedByInteger {
  Time operator()(const Time& time, const Int& divisor) const {
    if (const std::optional<int> n = AsInt(divisor)) return time / *n;
    return time / divisor;
  }
  Real operator()(const Real& real, const Int& divisor) const {
    return real / static_cast<double>(Real(divisor));
  }
};

struct Rule {
  Operator op;
  ValueType left;
  ValueType right;
  Value (*apply)(const Value& left, const Value& right);
};

Value ResultValue(const Real& real) { return RealValue{real, std::nullopt}; }
template <typename T>
Value ResultValue(const T& value) {
  return value;
}

// left op right; Swapped: right op left, for the operators that commute.
template <typename Left, typename Right, typename Operation, bool Swapped = false>
Value Apply(const Value& left, const Value& right) {
  if constexpr (Swapped) {
    return ResultValue(Operation{}(Operand<Right>(right), Operand<Left>(left)));
  } else {
    return ResultValue(Operation{}(Operand<Left>(left), Operand<Right>(right)));
  }
}

template <typename Left, typename Right, typename Operation, bool Swapped = false>
constexpr Rule RuleFor(Operator op) {
  return {op, kTypeOf<Left>, kTypeOf<Right>, Apply<Left, Right, Operation, Swapped>};
}

constexpr Rule kRules[] = {
    RuleFor<Int, Int, std::plus<>>(Operator::Plus),
    RuleFor<Real, Real, std::plus<>>(Operator::Plus),
    RuleFor<Time, Time, std::plus<>>(Operator::Plus),
    RuleFor<Time, Int, std::plus<>>(Operator::Plus),
    RuleFor<Int, Time, std::plus<>, true>(Operator::Plus),
    RuleFor<Int, Int, std::minus<>>(Operator::Minus),
    RuleFor<Real, Real, std::minus<>>(Operator::Minus),
    RuleFor<Time, Time, std::minus<>>(Operator::Minus),
    RuleFor<Time, Int, std::minus<>>(Operator::Minus),
    RuleFor<Int, Int, std::multiplies<>>(Operator::Times),
    RuleFor<Real, double, std::multiplies<>>(Operator::Times),
    RuleFor<Real, Int, TimesInteger>(Operator::Times),
    RuleFor<Int, Real, TimesInteger, true>(Operator::Times),
    RuleFor<Time, Int, TimesInteger>(Operator::Times),
    RuleFor<Int, Time, TimesInteger, true>(Operator::Times),
    RuleFor<Time, double, std::multiplies<>>(Operator::Times),
    RuleFor<double, Time, std::multiplies<>, true>(Operator::Times),
    RuleFor<Int, Int, std::divides<>>(Operator::Divide),
    RuleFor<Real, double, std::divides<>>(Operator::Divide),
    RuleFor<Real, Int, DividedByInteger>(Operator::Divide),
    RuleFor<Time, Int, DividedByInteger>(Operator::Divide),
    RuleFor<Time, double, std::divides<>>(Operator::Divide),
    RuleFor<Time, Time, TickQuotient>(Operator::Divide),
    RuleFor<Int, Int, RemOf>(Operator::Rem),
    RuleFor<Int, Int, ModOf>(Operator::Mod),
};

}  // namespace

std::optional<Value> ApplyBinary(Operator op, const Value& left, const Value& right) {
  for (const Rule& rule : kRules) {
    if (rule.op == op && rule.left == TypeOf(left) && rule.right == TypeOf(right)) {
      return rule.apply(left, right);
    }
  }
  return std::nullopt;
}

}  // namespace utcalc
