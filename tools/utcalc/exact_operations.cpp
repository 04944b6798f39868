// The arithmetic operators evaluated exactly, on counts and times: every
// result is the exact rational, an overflow where it leaves the range the
// exact layer holds (2^96 - 1, in femtoseconds for times), and a time
// result is truncated to whole femtoseconds while the analog flag is clear
// (as the library's own times then drop what lies below a femtosecond).
#include <string>

#include "exact_values.h"
#include "operand_access.h"
#include "operations.h"
#include "universaltypes_exact.h"

namespace utcalc {

namespace {

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

mpq_class Applied(Operator op, const mpq_class& left, const mpq_class& right) {
  const std::optional<mpq_class> value = utx::RationalArithmetic(ExactOperation(op), left, right);
  if (!value) throw UTypes_StatusCodeException(UTypes_Error);  // a zero divisor
  return *value;
}

const mpq_class& Femtoseconds(const Value& time) { return std::get<Duration>(time).femtoseconds; }
const mpq_class& CountOf(const Value& count) { return std::get<Count>(count).value; }

bool Adding(Operator op) { return op == Operator::Plus || op == Operator::Minus; }
bool Remaindering(Operator op) { return op == Operator::Rem || op == Operator::Mod; }

std::optional<Value> TimeWithTime(Operator op, const Value& left, const Value& right) {
  if (Adding(op) || Remaindering(op)) {
    return ExactTime(Applied(op, Femtoseconds(left), Femtoseconds(right)));
  }
  if (op == Operator::Divide) {
    return ExactCount(Applied(op, Femtoseconds(left), Femtoseconds(right)));
  }
  return std::nullopt;
}

// Beyond the range: an overflow where the magnitude passes it, else a
// fraction grown past the bound on its denominator.
const mpq_class& InRange(const mpq_class& value) {
  if (utx::IsWithinRange(value)) return value;
  if (mpz_sizeinbase(value.get_den_mpz_t(), 2) > UTX_MOST_DENOMINATOR_BITS) {
    throw NoExactValue{"the exact fraction's denominator passes 2^" +
                       std::to_string(UTX_MOST_DENOMINATOR_BITS)};
  }
  throw UTypes_StatusCodeException(UTypes_Overflow);
}

}  // namespace

Value ExactCount(const mpq_class& value) { return Count{InRange(value)}; }

Value ExactTime(const mpq_class& femtoseconds) {
  mpq_class value = femtoseconds;
  if (!UniversalTime::Get_AnalogExists() && value.get_den() != 1) {
    mpz_class whole;
    mpz_tdiv_q(whole.get_mpz_t(), value.get_num_mpz_t(), value.get_den_mpz_t());
    value = whole;
  }
  return Duration{InRange(value)};
}

std::optional<Value> ApplyExact(Operator op, const Value& left, const Value& right) {
  const ValueType l = TypeOf(left), r = TypeOf(right);
  if (l == ValueType::Count && r == ValueType::Count) {
    return ExactCount(Applied(op, CountOf(left), CountOf(right)));
  }
  if (l == ValueType::Duration && r == ValueType::Duration) return TimeWithTime(op, left, right);
  const bool scaling = op == Operator::Times || op == Operator::Divide;
  if (l == ValueType::Duration && r == ValueType::Count && scaling) {
    return ExactTime(Applied(op, Femtoseconds(left), CountOf(right)));
  }
  if (l == ValueType::Count && r == ValueType::Duration && op == Operator::Times) {
    return ExactTime(CountOf(left) * Femtoseconds(right));
  }
  return std::nullopt;
}

}  // namespace utcalc
