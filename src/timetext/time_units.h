// The eight time units: texts, exact constants and sizes as doubles.
#ifndef UNIVERSALTYPES_SRC_TIMETEXT_TIME_UNITS_H
#define UNIVERSALTYPES_SRC_TIMETEXT_TIME_UNITS_H

#include <cstdint>

#include "timetext/literal_text.h"
#include "timetext/unit_table.h"
#include "universaltypes/time_text.h"

namespace universaltypes::detail {

inline bool IsTimeUnit(int unit) { return unit >= 0 && unit < kUnitCount; }
inline const char* UnitText(TimeUnit unit) { return Unit(unit).text; }
// One unit as a time: ticks = femtoseconds per unit, offset 0.0.
const UniversalTime& UnitConstant(TimeUnit unit);
// Femtoseconds per unit, exact in a double.
double UnitSize(TimeUnit unit);
// The femtoseconds per unit as a product of factors of at most 1000, so it
// can scale a wide integer one small multiplication at a time.
struct UnitFactors {
  int count;
  std::uint32_t factors[7];
};
UnitFactors FactorsOf(TimeUnit unit);

int IndexAfterUnit(const LiteralText& text);
TimeUnit FindUnit(const LiteralText& text, UTypes_StatusCode& status, int& position);

}  // namespace universaltypes::detail

#endif
