// The frequency units, Hz kHz MHz GHz THz, matched without regard to case as
// time units are (there is no millihertz to confuse with megahertz).
#ifndef UTCALC_FREQUENCY_UNITS_H
#define UTCALC_FREQUENCY_UNITS_H

#include <gmpxx.h>

#include <optional>
#include <string_view>

namespace utcalc {

enum class FrequencyUnit { Hz, kHz, MHz, GHz, THz };

std::optional<FrequencyUnit> FrequencyUnitNamed(std::string_view name);
const char* FrequencyUnitName(FrequencyUnit unit);
mpq_class HertzPer(FrequencyUnit unit);

// A frequency's magnitude is at most 2^96 - 1 THz, and its fraction is kept
// below 2^1024 in numerator and denominator, so that no line can grow a
// number without bound.
bool IsWithinFrequencyRange(const mpq_class& hertz);

}  // namespace utcalc

#endif
