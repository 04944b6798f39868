// The text of a result, made by the library's own images.
#ifndef UTCALC_VALUE_IMAGE_H
#define UTCALC_VALUE_IMAGE_H

#include <string>

#include "output_format.h"
#include "value.h"

namespace utcalc {

std::string ImageOf(const Value& value, const OutputFormat& format);

}  // namespace utcalc

#endif
