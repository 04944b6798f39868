// Exact images of quantities in a unit, for the default (exact) mode: a
// time or a frequency in one unit is a decimal only where that decimal is
// the value, or identifies its record; otherwise the exact fraction.
#ifndef UTCALC_EXACT_IMAGE_H
#define UTCALC_EXACT_IMAGE_H

#include <gmpxx.h>

#include <optional>
#include <string>

#include "frequency_units.h"

#include "universaltypes/time_text.h"
#include "universaltypes/universal_time.h"

namespace utcalc {

mpq_class FemtosecondsPer(TimeUnit unit);

// "value/unitSize unit": the exact decimal where the quotient has one, else
// "p/q unit".
std::string QuantityImage(const mpq_class& value, const mpq_class& unitSize, const char* unit);

// A time in unit: with an offset, the fewest digits that read back as the
// same record by the literal rule (as a real is written with the fewest
// digits that read back as its double); else as QuantityImage.
std::string TimeInUnit(const UniversalTime& time, TimeUnit unit);

// The largest of fs ps ns us ms sec min hr in which the time's magnitude is
// at least 1 and which writes it as a decimal (fs below 1 fs): 90 sec reads
// 1.5 min, 100 sec stays 100 sec.
TimeUnit ReadableUnit(const UniversalTime& time);

// In unit, else in the largest of Hz kHz MHz GHz THz in which its magnitude
// is at least 1 and which writes it as a decimal (Hz below 1 Hz).
std::string FrequencyImage(const mpq_class& hertz, std::optional<FrequencyUnit> unit);

}  // namespace utcalc

#endif
