// The text of a result: exact values by their exact images (a record only
// where --fs or --hex asks for one), the library's records (--lib) by its
// own images.
#ifndef UTCALC_VALUE_IMAGE_H
#define UTCALC_VALUE_IMAGE_H

#include <string>

#include "output_format.h"
#include "value.h"

namespace utcalc {

std::string ImageOf(const Value& value, const OutputFormat& format);

}  // namespace utcalc

#endif
