#include "frequency_units.h"

#include "ascii_case.h"

namespace utcalc {

namespace {

// Indexed by FrequencyUnit.
constexpr const char* kFrequencyUnitNames[] = {"Hz", "kHz", "MHz", "GHz", "THz"};
constexpr const char* kLowerCaseNames[] = {"hz", "khz", "mhz", "ghz", "thz"};

}  // namespace

std::optional<FrequencyUnit> FrequencyUnitNamed(std::string_view name) {
  for (int unit = 0; unit <= static_cast<int>(FrequencyUnit::THz); ++unit) {
    if (EqualsIgnoringCase(name, kLowerCaseNames[unit])) return static_cast<FrequencyUnit>(unit);
  }
  return std::nullopt;
}

const char* FrequencyUnitName(FrequencyUnit unit) {
  return kFrequencyUnitNames[static_cast<int>(unit)];
}

mpq_class HertzPer(FrequencyUnit unit) {
  mpz_class hertz;
  mpz_ui_pow_ui(hertz.get_mpz_t(), 1000, static_cast<unsigned long>(unit));
  return mpq_class(hertz);
}

bool IsWithinFrequencyRange(const mpq_class& hertz) {
  static const mpq_class kLargest = (mpq_class(mpz_class(1) << 96) - 1) * HertzPer(FrequencyUnit::THz);
  constexpr std::size_t kMostBits = 1024;
  return abs(hertz) <= kLargest && mpz_sizeinbase(hertz.get_num_mpz_t(), 2) < kMostBits &&
         mpz_sizeinbase(hertz.get_den_mpz_t(), 2) < kMostBits;
}

}  // namespace utcalc
