// How results are written: times in the unit they read best in, in one
// chosen unit, as exact femtosecond ticks, or every type in hexadecimal.
#ifndef UTCALC_OUTPUT_FORMAT_H
#define UTCALC_OUTPUT_FORMAT_H

#include <optional>

#include "frequency_units.h"
#include "universaltypes/time_text.h"

namespace utcalc {

struct OutputFormat {
  enum class Style { Automatic, InUnit, Ticks, Hexadecimal };
  Style style = Style::Automatic;
  TimeUnit unit = TimeUnit_fs;  // for Style::InUnit
  // --lib: times in a unit and automatic times by the library's own images
  // (which round); else exactly.
  bool library = false;
  // "in MHz": a frequency in that unit; else in the unit it reads best in.
  std::optional<FrequencyUnit> frequencyUnit;
};

}  // namespace utcalc

#endif
