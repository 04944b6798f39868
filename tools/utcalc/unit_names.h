// The unit names time literals end with, matched without regard to case as
// the library's parser matches them.
#ifndef UTCALC_UNIT_NAMES_H
#define UTCALC_UNIT_NAMES_H

#include <optional>
#include <string_view>

#include "universaltypes/time_text.h"

namespace utcalc {

std::optional<TimeUnit> UnitNamed(std::string_view name);
const char* UnitName(TimeUnit unit);

}  // namespace utcalc

#endif
