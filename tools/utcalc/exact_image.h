// Exact images of quantities in a unit: a terminating decimal in the unit
// is written in full as a plain decimal ("192.890625", "6.4 ns"), any other
// value as its exact fraction in that unit ("1000/3 ns"), so that no image
// reads as a rounded value.
#ifndef UTCALC_EXACT_IMAGE_H
#define UTCALC_EXACT_IMAGE_H

#include <gmpxx.h>

#include <optional>
#include <string>

#include "frequency_units.h"

#include "universaltypes/time_text.h"

namespace utcalc {

mpq_class FemtosecondsPer(TimeUnit unit);

// "value/unitSize unit": the exact decimal where the quotient has one, else
// "p/q unit".
std::string QuantityImage(const mpq_class& value, const mpq_class& unitSize, const char* unit);

// In unit, else in the unit it reads best in: the largest of fs ps ns us ms
// sec min hr in which its magnitude is at least 1 and which writes it as a
// decimal (90 sec reads 1.5 min, 100 sec stays 100 sec); where no unit
// writes a decimal, the largest in which it is at least 1 (1000/3 ns); fs
// below 1 fs.
std::string TimeImage(const mpq_class& femtoseconds, std::optional<TimeUnit> unit);

// The same over Hz kHz MHz GHz THz.
std::string FrequencyImage(const mpq_class& hertz, std::optional<FrequencyUnit> unit);

}  // namespace utcalc

#endif
