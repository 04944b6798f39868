#include "value_image.h"

#include <cstdlib>
#include <utility>

#include "exact_image.h"
#include "exact_values.h"
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
  char text[UTX_FEMTOSECOND_IMAGE_SIZE];
  UTX_FemtosecondImage(&time, 1, text, sizeof text);
  return text;
}

std::string HexImage(const UniversalTime& time) {
  char text[43];
  time.ToHexString(text);
  return text;
}

// The library's images of its time records (--lib).
std::string LibraryTimeImage(const UniversalTime& time, const OutputFormat& format) {
  UTypes_StatusCode status = UTypes_OK;
  switch (format.style) {
    case Style::InUnit: return TimeTickValueToString(time, format.unit, status);
    case Style::Ticks: return TickImage(time);
    case Style::Hexadecimal: return HexImage(time);
    case Style::Automatic: break;
  }
  return static_cast<const char*>(time);
}

// A record's image, and where the record does not hold the value, the
// exact value after it: a record is what the person asked to see, yet the
// answer stays exact.
std::string RecordImage(const std::string& image, bool exact, const std::string& exactImage) {
  return exact ? image : image + " (exactly " + exactImage + ")";
}

std::string DurationImage(const mpq_class& femtoseconds, const OutputFormat& format) {
  if (format.style == Style::Automatic) return TimeImage(femtoseconds, std::nullopt);
  if (format.style == Style::InUnit) return TimeImage(femtoseconds, format.unit);
  const bool analog = UniversalTime::Get_AnalogExists();
  const UniversalTime record = *utx::TimeRecord(femtoseconds, analog);
  const std::string image = format.style == Style::Ticks ? TickImage(record) : HexImage(record);
  return RecordImage(image, utx::TimeValue(record, analog) == femtoseconds,
                     TimeImage(femtoseconds, TimeUnit_fs));
}

// In hexadecimal a whole count is an integer record, any other the real
// nearest to it.
std::string CountImage(const mpq_class& count, const OutputFormat& format) {
  if (format.style != Style::Hexadecimal) return utx::DecimalText(count);
  if (count.get_den() == 1) return IntegerImage(*utx::IntegerRecord(count.get_num()), format);
  const double magnitude = utx::NearestDouble(abs(count));
  const double nearest = sgn(count) < 0 ? -magnitude : magnitude;
  return RecordImage(RealImage(UniversalReal(nearest), format), mpq_class(nearest) == count,
                     utx::DecimalText(count));
}

std::string DecimalOrHexImage(const Value& value, const OutputFormat& format) {
  switch (TypeOf(value)) {
    case ValueType::Integer: return IntegerImage(IntegerOf(value), format);
    case ValueType::Real: return RealImage(RealOf(value), format);
    case ValueType::Time: return LibraryTimeImage(TimeOf(value), format);
    case ValueType::Frequency: return FrequencyImage(HertzOf(value), format.frequencyUnit);
    case ValueType::Count: return CountImage(std::get<Count>(value).value, format);
    case ValueType::Duration: return DurationImage(std::get<Duration>(value).femtoseconds, format);
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

}  // namespace utcalc
