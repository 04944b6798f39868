// The text of a result, made by the library's own images.
#ifndef UTCALC_VALUE_IMAGE_H
#define UTCALC_VALUE_IMAGE_H

#include <string>

#include "output_format.h"
#include "value.h"

namespace utcalc {

std::string ImageOf(const Value& value, const OutputFormat& format);
// Exact and complete: times as femtosecond ticks and the offset's exact
// decimal, integers in decimal.
std::string ExactImage(const Value& value);

}  // namespace utcalc

#endif
