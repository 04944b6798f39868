#include "unit_names.h"

#include "ascii_case.h"
#include "universaltypes_exact.h"

namespace utcalc {

std::optional<TimeUnit> UnitNamed(std::string_view name) {
  for (int unit = 0; unit < UTX_UnitCount(); ++unit) {
    if (EqualsIgnoringCase(name, UTX_UnitName(unit))) return static_cast<TimeUnit>(unit);
  }
  return std::nullopt;
}

const char* UnitName(TimeUnit unit) { return UTX_UnitName(unit); }

}  // namespace utcalc
