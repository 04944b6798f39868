// The library's unit table, as the faces read it: names and sizes come from
// the one description the library derives its own tables from.
#include "timetext/unit_table.h"
#include "universaltypes_exact.h"

namespace {

using universaltypes::detail::kUnitCount;
using universaltypes::detail::kUnits;

bool IsUnit(int unit) { return unit >= 0 && unit < kUnitCount; }

}  // namespace

UTX_API int UTX_UnitCount(void) { return kUnitCount; }

UTX_API const char* UTX_UnitName(int unit) { return IsUnit(unit) ? kUnits[unit].text : nullptr; }

UTX_API unsigned long long UTX_UnitFemtoseconds(int unit) {
  return IsUnit(unit) ? kUnits[unit].femtoseconds : 0;
}
