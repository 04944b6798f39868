// Which operation table an operator goes to, by the mode and the operand
// types; and 'div', which is '/' truncated toward zero.
#include "operations.h"

namespace utcalc {

namespace {

// The library's integer quotient is truncated already; an exact count is
// truncated here. Any other quotient (a time, a frequency, a real) has no
// integer quotient.
std::optional<Value> Truncated(const Value& quotient) {
  if (TypeOf(quotient) == ValueType::Integer) return quotient;
  if (TypeOf(quotient) != ValueType::Count) return std::nullopt;
  const mpq_class& value = std::get<Count>(quotient).value;
  mpz_class whole;
  mpz_tdiv_q(whole.get_mpz_t(), value.get_num_mpz_t(), value.get_den_mpz_t());
  return Count{mpq_class(whole)};
}

}  // namespace

std::optional<Value> Apply(Operator op, const Value& left, const Value& right, bool library) {
  if (op == Operator::Div) {
    const std::optional<Value> quotient = Apply(Operator::Divide, left, right, library);
    return quotient ? Truncated(*quotient) : std::nullopt;
  }
  if (IsFrequencyOperation(op, left, right)) return ApplyFrequency(op, left, right, library);
  if (IsComparison(op)) return Compare(op, left, right);
  return library ? ApplyBinary(op, left, right) : ApplyExact(op, left, right);
}

}  // namespace utcalc
