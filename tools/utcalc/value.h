// A calculator value. With the library's operators (--lib): one of its three
// universal types; a real the user typed keeps the exact decimal it spells
// beside its double, for the note that gives the exact answer. Exactly (the
// default): a count or a time, each the exact rational it denotes. In both
// modes a frequency is the calculator's own exact rational number of hertz,
// and a comparison gives a truth value (which no operator takes).
#ifndef UTCALC_VALUE_H
#define UTCALC_VALUE_H

#include <gmpxx.h>

#include <optional>
#include <variant>

#include "universaltypes/universal_integer.h"
#include "universaltypes/universal_real.h"
#include "universaltypes/universal_time.h"

namespace utcalc {

struct RealValue {
  UniversalReal real;
  std::optional<mpq_class> literal;  // the exact decimal of a typed literal
};

struct Frequency {
  mpq_class hertz;
};

// A number, exactly: integers and reals are one kind.
struct Count {
  mpq_class value;
};

// A time, exactly, in femtoseconds.
struct Duration {
  mpq_class femtoseconds;
};

// The order of the alternatives is the order of ValueType.
using Value = std::variant<UniversalInteger, RealValue, UniversalTime, bool, Frequency, Count,
                           Duration>;

enum class ValueType { Integer, Real, Time, Boolean, Frequency, Count, Duration };

inline ValueType TypeOf(const Value& value) { return static_cast<ValueType>(value.index()); }

const char* TypeName(ValueType type);

// The value a real factor stands for exactly: its literal's decimal, else
// its double. Empty for a NaN or an infinity.
std::optional<mpq_class> ExactReal(const RealValue& real);
// A time of either mode.
inline bool IsTime(ValueType type) { return type == ValueType::Time || type == ValueType::Duration; }
// A number of either mode.
inline bool IsNumber(ValueType type) {
  return type == ValueType::Integer || type == ValueType::Real || type == ValueType::Count;
}

// An integer's value, a real's as ExactReal, a count's; empty for other
// types.
std::optional<mpq_class> ExactNumber(const Value& value);
// The exact value of a record of the library's (a count or a time; the
// others are exact already); empty for a real that is no number.
std::optional<Value> ExactValueOf(const Value& value);
// A time's exact femtoseconds (a record's by the analog flag).
mpq_class ExactFemtoseconds(const Value& time);
// The same for a number operand: a NaN throws
// UTypes_StatusCodeException(UTypes_Error), an infinity UTypes_Overflow.
mpq_class ExactOperand(const Value& number);

}  // namespace utcalc

#endif
