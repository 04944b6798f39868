// The unit a time reads best in: the largest of fs ps ns us ms sec min hr
// in which its magnitude is at least 1 (fs below 1 fs).
#ifndef UTCALC_BEST_UNIT_H
#define UTCALC_BEST_UNIT_H

#include "universaltypes/time_text.h"
#include "universaltypes/universal_time.h"

namespace utcalc {

TimeUnit BestUnit(const UniversalTime& time);

}  // namespace utcalc

#endif
