#include "value_image.h"

#include <cstdlib>
#include <utility>

#include "exact_image.h"
#include "number_form.h"
#include "operand_access.h"
#include "universaltypes/time_text.h"
#include "universaltypes_exact.h"

namespace utcalc {

namespace {

using Style = OutputFormat::Style;

std::string IntegerImage(const UniversalInteger& integer, const OutputFormat& format) {
  if (format.style != Style::Hexadecimal) return static_cast<const char*>(integer);
  char text[26];
  integer.ToHexString(text);
  return text;
}

// Scientific, with the fewest digits that read back as the same double.
std::string RealImage(const UniversalReal& real, const OutputFormat& format) {
  char text[64];
  if (format.style == Style::Hexadecimal) {
    real.ToHexString(text);
    return text;
  }
  for (int precision = 0; precision < 17; ++precision) {
    real.ToString(text, precision);
    if (std::strtod(text, nullptr) == static_cast<double>(real)) return text;
  }
  return text;
}

// The exact tick count, and the exact decimal of the offset when it is not
// zero.
std::string TickImage(const UniversalTime& time) {
  char text[512];
  UTX_FemtosecondImage(&time, 1, text, sizeof text);
  return text;
}

std::string TimeImage(const UniversalTime& time, const OutputFormat& format) {
  UTypes_StatusCode status = UTypes_OK;
  switch (format.style) {
    case Style::InUnit:
      if (!format.library) return TimeInUnit(time, format.unit);
      return TimeTickValueToString(time, format.unit, status);
    case Style::Ticks: return TickImage(time);
    case Style::Hexadecimal: {
      char text[43];
      time.ToHexString(text);
      return text;
    }
    case Style::Automatic: break;
  }
  if (format.library) return static_cast<const char*>(time);
  return TimeInUnit(time, ReadableUnit(time));
}

std::string DecimalOrHexImage(const Value& value, const OutputFormat& format) {
  switch (TypeOf(value)) {
    case ValueType::Integer: return IntegerImage(IntegerOf(value), format);
    case ValueType::Real: return RealImage(RealOf(value), format);
    case ValueType::Time: return TimeImage(TimeOf(value), format);
    case ValueType::Frequency: return FrequencyImage(HertzOf(value), format.frequencyUnit);
    case ValueType::Boolean: break;
  }
  return std::get<bool>(value) ? "true" : "false";
}

}  // namespace

// Hexadecimal digits include 'e': only decimal images are brought to one form.
std::string ImageOf(const Value& value, const OutputFormat& format) {
  std::string image = DecimalOrHexImage(value, format);
  return format.style == Style::Hexadecimal ? image : InOneNumberForm(std::move(image));
}

std::string ExactImage(const Value& value) {
  if (TypeOf(value) == ValueType::Time) return TickImage(TimeOf(value));
  return ImageOf(value, OutputFormat{});
}

}  // namespace utcalc
