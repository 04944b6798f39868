// Frequencies, exactly, in every mode (the library has none): a frequency
// is a rational number of hertz, a time its exact value in femtoseconds.
// 1 / time is a frequency, 1 / frequency a time, frequency * time and
// frequency / frequency a count. With the library's types a time result is
// rounded to a record by the exact layer's rule, and a count must be an
// integer or a real that holds it; exactly, both are the exact rationals.
#include <charconv>
#include <string>

#include "exact_image.h"
#include "exact_values.h"
#include "operand_access.h"
#include "operations.h"

namespace utcalc {

namespace {

bool Analog() { return UniversalTime::Get_AnalogExists(); }

bool IsNumber(const Value& value) { return utcalc::IsNumber(TypeOf(value)); }

mpq_class SecondsOf(const Value& time) {
  return ExactFemtoseconds(time) / FemtosecondsPer(TimeUnit_sec);
}

const mpq_class& NonZero(const mpq_class& divisor) {
  if (sgn(divisor) == 0) throw UTypes_StatusCodeException(UTypes_Error);
  return divisor;
}

Value InRange(const mpq_class& hertz) {
  if (!IsWithinFrequencyRange(hertz)) throw UTypes_StatusCodeException(UTypes_Overflow);
  return Frequency{hertz};
}

Value TimeOfSeconds(const mpq_class& seconds, bool library) {
  if (!library) return ExactTime(seconds * FemtosecondsPer(TimeUnit_sec));
  const std::optional<UniversalTime> time =
      utx::TimeRecord(seconds * FemtosecondsPer(TimeUnit_sec), Analog());
  if (!time) throw UTypes_StatusCodeException(UTypes_Overflow);
  return *time;
}

// The fewest significant digits that read back as the double.
std::string ShortestDecimal(double value) {
  char text[32];
  return {text, std::to_chars(text, text + sizeof text, value, std::chars_format::scientific).ptr};
}

// Exactly, a count is the rational. With the library's types a whole count
// is an integer. Any other is a real where its double holds it
// exactly, or where the real's printed digits spell it exactly: 100 MHz *
// 1 ns is the decimal 1e-1, kept beside its double as a typed literal is.
// 1000/3 has neither and is refused, since a count is never quietly rounded.
Value CountValue(const mpq_class& count, bool library) {
  if (!library) return ExactCount(count);
  if (count.get_den() == 1) {
    const std::optional<UniversalInteger> integer = utx::IntegerRecord(count.get_num());
    if (!integer) throw UTypes_StatusCodeException(UTypes_Overflow);
    return *integer;
  }
  const mpq_class magnitude = abs(count);
  const double nearest = magnitude < mpq_class(1) << 1024 ? utx::NearestDouble(magnitude) : 0.0;
  const bool exact = nearest != 0.0 && (mpq_class(nearest) == magnitude ||
                                        utx::RationalFromText(ShortestDecimal(nearest)) == magnitude);
  if (!exact) {
    throw NoExactValue{"the count is " + utx::RationalText(count) +
                       ", which no integer or real holds exactly"};
  }
  return RealValue{UniversalReal(sgn(count) < 0 ? -nearest : nearest), count};
}

std::optional<Value> TwoFrequencies(Operator op, const mpq_class& left, const mpq_class& right,
                                    bool library) {
  switch (op) {
    case Operator::Plus: return InRange(left + right);
    case Operator::Minus: return InRange(left - right);
    case Operator::Divide: return CountValue(left / NonZero(right), library);
    default: break;
  }
  if (IsComparison(op)) return Holds(op, left, right);
  return std::nullopt;
}

std::optional<Value> FrequencyWithOther(Operator op, const mpq_class& hertz, const Value& other,
                                        bool library) {
  if (IsTime(TypeOf(other)) && op == Operator::Times) {
    return CountValue(hertz * SecondsOf(other), library);
  }
  if (!IsNumber(other)) return std::nullopt;
  if (op == Operator::Times) return InRange(hertz * ExactOperand(other));
  if (op == Operator::Divide) return InRange(hertz / NonZero(ExactOperand(other)));
  return std::nullopt;
}

}  // namespace

bool IsFrequencyOperation(Operator op, const Value& left, const Value& right) {
  return TypeOf(left) == ValueType::Frequency || TypeOf(right) == ValueType::Frequency ||
         (op == Operator::Divide && IsNumber(left) && IsTime(TypeOf(right)));
}

std::optional<Value> ApplyFrequency(Operator op, const Value& left, const Value& right,
                                    bool library) {
  const bool leftFrequency = TypeOf(left) == ValueType::Frequency;
  const bool rightFrequency = TypeOf(right) == ValueType::Frequency;
  if (leftFrequency && rightFrequency) {
    return TwoFrequencies(op, HertzOf(left), HertzOf(right), library);
  }
  if (leftFrequency) return FrequencyWithOther(op, HertzOf(left), right, library);
  if (op == Operator::Divide && IsNumber(left)) {
    if (rightFrequency) {
      return TimeOfSeconds(ExactOperand(left) / NonZero(HertzOf(right)), library);
    }
    return InRange(ExactOperand(left) / NonZero(SecondsOf(right)));
  }
  // number * frequency and time * frequency commute.
  if (op == Operator::Times && rightFrequency) {
    return FrequencyWithOther(op, HertzOf(right), left, library);
  }
  return std::nullopt;
}

}  // namespace utcalc
