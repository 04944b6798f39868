// A calculator value: one of the library's three universal types, or the
// truth value of a comparison (which no operator takes as an operand).
//
// A real the user typed keeps the exact decimal it spells beside its double,
// so exact evaluation scales times by 156.25e6 or 0.1 and not by their
// doubles; a real computed by real arithmetic is its double alone. A
// frequency is the calculator's own: an exact rational number of hertz.
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

// The order of the alternatives is the order of ValueType.
using Value = std::variant<UniversalInteger, RealValue, UniversalTime, bool, Frequency>;

enum class ValueType { Integer, Real, Time, Boolean, Frequency };

inline ValueType TypeOf(const Value& value) { return static_cast<ValueType>(value.index()); }

const char* TypeName(ValueType type);

// The value a real factor stands for exactly: its literal's decimal, else
// its double. Empty for a NaN or an infinity.
std::optional<mpq_class> ExactReal(const RealValue& real);
// An integer's value, or a real's as ExactReal; empty for other types.
std::optional<mpq_class> ExactNumber(const Value& value);
// The same for an integer or real operand: a NaN throws
// UTypes_StatusCodeException(UTypes_Error), an infinity UTypes_Overflow.
mpq_class ExactOperand(const Value& number);

}  // namespace utcalc

#endif
