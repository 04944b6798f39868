// The eight time units, described once: every other unit table in the
// library (names by initial, images, sizes as doubles, the constants, the
// factors from one unit to the next, the decimal scales of the literal
// routes) is derived from this one at compile time.
#ifndef UNIVERSALTYPES_SRC_TIMETEXT_UNIT_TABLE_H
#define UNIVERSALTYPES_SRC_TIMETEXT_UNIT_TABLE_H

#include <cstdint>

#include "time/femtoseconds.h"
#include "universaltypes/time_text.h"

namespace universaltypes::detail {

struct UnitDescription {
  const char* text;            // the name a literal and an image use
  std::uint64_t femtoseconds;  // the unit's size, exact
  int powerOfTen;              // femtoseconds == 10^powerOfTen, or -1 (min, hr)
  int imagePrecision;          // significant digits of an image's fraction
};

inline constexpr int kUnitCount = 8;

// The fraction of a second or more carries more femtoseconds, so its image
// keeps more digits.
inline constexpr UnitDescription kUnits[kUnitCount] = {
    {"fs", 1, 0, 12},
    {"ps", 1000, 3, 12},
    {"ns", 1000000, 6, 12},
    {"us", 1000000000, 9, 12},
    {"ms", 1000000000000, 12, 12},
    {"sec", kFemtosecondsPerSecond, 15, 15},
    {"min", 60 * kFemtosecondsPerSecond, -1, 15},
    {"hr", 3600 * kFemtosecondsPerSecond, -1, 15},
};

constexpr const UnitDescription& Unit(int unit) { return kUnits[unit]; }

// The unit's size as rest * 10^tens with rest not divisible by ten: 'min'
// is 6 * 10^16 fs.
constexpr int TrailingTensOf(std::uint64_t value) {
  int tens = 0;
  while (value % 10 == 0) {
    value /= 10;
    ++tens;
  }
  return tens;
}

// The table's own checks: each unit a whole multiple of the one before,
// the powers of ten where the table names one, names in order of size.
constexpr bool UnitTableIsConsistent() {
  for (int unit = 0; unit < kUnitCount; ++unit) {
    std::uint64_t power = 1;
    for (int step = 0; step < kUnits[unit].powerOfTen; ++step) power *= 10;
    if (kUnits[unit].powerOfTen >= 0 && power != kUnits[unit].femtoseconds) return false;
    if (unit > 0 && kUnits[unit].femtoseconds % kUnits[unit - 1].femtoseconds != 0) return false;
  }
  return kUnits[TimeUnit_sec].femtoseconds == kFemtosecondsPerSecond;
}
static_assert(UnitTableIsConsistent());

}  // namespace universaltypes::detail

#endif
