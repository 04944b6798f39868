#include "exact_image.h"

#include <string>
#include <vector>

#include "exact_values.h"
#include "unit_names.h"
#include "universaltypes_exact.h"

namespace utcalc {

namespace {

bool IsDecimal(const std::string& image) { return image.find('/') == std::string::npos; }

// Of units given smallest first, the index of the one value reads best in.
std::size_t ReadableUnit(const mpq_class& value, const std::vector<mpq_class>& unitSizes) {
  const mpq_class magnitude = abs(value);
  std::optional<std::size_t> largestAtLeastOne;
  for (std::size_t unit = unitSizes.size(); unit-- > 1;) {
    if (magnitude < unitSizes[unit]) continue;
    if (IsDecimal(utx::DecimalText(value / unitSizes[unit]))) return unit;
    if (!largestAtLeastOne) largestAtLeastOne = unit;
  }
  return largestAtLeastOne.value_or(0);
}

}  // namespace

// From the library's own unit table, so a unit means here what it means in a
// literal.
mpq_class FemtosecondsPer(TimeUnit unit) {
  return mpq_class(mpz_class(std::to_string(UTX_UnitFemtoseconds(unit))));
}

std::string QuantityImage(const mpq_class& value, const mpq_class& unitSize, const char* unit) {
  return utx::DecimalText(value / unitSize) + " " + unit;
}

std::string TimeImage(const mpq_class& femtoseconds, std::optional<TimeUnit> unit) {
  if (!unit) {
    std::vector<mpq_class> sizes;
    for (int in = TimeUnit_fs; in <= TimeUnit_hr; ++in) {
      sizes.push_back(FemtosecondsPer(static_cast<TimeUnit>(in)));
    }
    unit = static_cast<TimeUnit>(TimeUnit_fs + static_cast<int>(ReadableUnit(femtoseconds, sizes)));
  }
  return QuantityImage(femtoseconds, FemtosecondsPer(*unit), UnitName(*unit));
}

std::string FrequencyImage(const mpq_class& hertz, std::optional<FrequencyUnit> unit) {
  if (!unit) {
    std::vector<mpq_class> sizes;
    for (int in = 0; in <= static_cast<int>(FrequencyUnit::THz); ++in) {
      sizes.push_back(HertzPer(static_cast<FrequencyUnit>(in)));
    }
    unit = static_cast<FrequencyUnit>(ReadableUnit(hertz, sizes));
  }
  return QuantityImage(hertz, HertzPer(*unit), FrequencyUnitName(*unit));
}

}  // namespace utcalc
