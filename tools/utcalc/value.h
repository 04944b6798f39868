// A calculator value: one of the library's three universal types, or the
// truth value of a comparison (which no operator takes as an operand).
#ifndef UTCALC_VALUE_H
#define UTCALC_VALUE_H

#include <variant>

#include "universaltypes/universal_integer.h"
#include "universaltypes/universal_real.h"
#include "universaltypes/universal_time.h"

namespace utcalc {

// The order of the alternatives is the order of ValueType.
using Value = std::variant<UniversalInteger, UniversalReal, UniversalTime, bool>;

enum class ValueType { Integer, Real, Time, Boolean };

inline ValueType TypeOf(const Value& value) { return static_cast<ValueType>(value.index()); }

const char* TypeName(ValueType type);

}  // namespace utcalc

#endif
