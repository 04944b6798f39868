#include "best_unit.h"

#include <array>

namespace utcalc {

namespace {

// Femtoseconds per unit, indexed by TimeUnit.
std::array<UniversalInteger, TimeUnit_hr + 1> UnitTicks() {
  std::array<UniversalInteger, TimeUnit_hr + 1> ticks;
  ticks[TimeUnit_fs] = UniversalInteger(1);
  for (int unit = TimeUnit_ps; unit <= TimeUnit_sec; ++unit) ticks[unit] = ticks[unit - 1] * 1000;
  ticks[TimeUnit_min] = ticks[TimeUnit_sec] * 60;
  ticks[TimeUnit_hr] = ticks[TimeUnit_min] * 60;
  return ticks;
}

// The time is ticks + offset with the offset in [0, 1): a negative time
// with an offset lies closer to zero than its ticks, so its ticks must
// pass the unit, not only reach it.
bool AtLeastOne(const UniversalTime& time, const UniversalInteger& unitTicks) {
  const UniversalInteger& ticks = time.UniversalToPhysicalTime();
  const UniversalInteger_Comparison_t order = ticks.CompareMagnitude(unitTicks);
  const bool closerToZero = ticks < UniversalInteger(0) &&
                            time.Get_OffsetTime() != UniversalReal::Get_TheConstantZero();
  return order == Comparison_Greater || (order == Comparison_Equal && !closerToZero);
}

}  // namespace

TimeUnit BestUnit(const UniversalTime& time) {
  static const std::array<UniversalInteger, TimeUnit_hr + 1> unitTicks = UnitTicks();
  for (int unit = TimeUnit_hr; unit > TimeUnit_fs; --unit) {
    if (AtLeastOne(time, unitTicks[unit])) return static_cast<TimeUnit>(unit);
  }
  return TimeUnit_fs;
}

}  // namespace utcalc
