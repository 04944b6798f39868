#include "unit_names.h"

#include "ascii_case.h"

namespace utcalc {

namespace {

// Indexed by TimeUnit.
constexpr const char* kUnitNames[] = {"fs", "ps", "ns", "us", "ms", "sec", "min", "hr"};

}  // namespace

std::optional<TimeUnit> UnitNamed(std::string_view name) {
  for (int unit = TimeUnit_fs; unit <= TimeUnit_hr; ++unit) {
    if (EqualsIgnoringCase(name, kUnitNames[unit])) return static_cast<TimeUnit>(unit);
  }
  return std::nullopt;
}

const char* UnitName(TimeUnit unit) { return kUnitNames[unit]; }

}  // namespace utcalc
