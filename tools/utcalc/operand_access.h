// Typed views of calculator values for the operation tables, which have
// already matched the alternatives.
#ifndef UTCALC_OPERAND_ACCESS_H
#define UTCALC_OPERAND_ACCESS_H

#include <climits>
#include <optional>

#include "value.h"

namespace utcalc {

inline const UniversalInteger& IntegerOf(const Value& value) {
  return std::get<UniversalInteger>(value);
}
inline const UniversalReal& RealOf(const Value& value) { return std::get<RealValue>(value).real; }
inline const RealValue& RealValueOf(const Value& value) { return std::get<RealValue>(value); }
inline const UniversalTime& TimeOf(const Value& value) { return std::get<UniversalTime>(value); }
inline const mpq_class& HertzOf(const Value& value) { return std::get<Frequency>(value).hertz; }
inline double DoubleOf(const Value& value) { return static_cast<double>(RealOf(value)); }

// The library scales times exactly by ints only; the integer's double is
// exact in that range.
inline std::optional<int> AsInt(const UniversalInteger& integer) {
  if (integer < UniversalInteger(INT_MIN) || integer > UniversalInteger(INT_MAX))
    return std::nullopt;
  return static_cast<int>(static_cast<double>(integer));
}

}  // namespace utcalc

#endif
