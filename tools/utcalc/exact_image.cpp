#include "exact_image.h"

#include "exact_values.h"
#include "unit_names.h"

namespace utcalc {

namespace {

bool Analog() { return UniversalTime::Get_AnalogExists(); }

mpz_class PowerOfTen(unsigned long exponent) {
  mpz_class power;
  mpz_ui_pow_ui(power.get_mpz_t(), 10, exponent);
  return power;
}

bool IsDecimal(const std::string& image) { return image.find('/') == std::string::npos; }

// Beyond these many places a fraction of a femtosecond in hours reads back
// no better: an offset's double has at most 17 significant digits, and hr
// adds 19 places to fs.
constexpr unsigned long kMostPlaces = 40;

// The shortest decimal quotient of time by unitSize with at most kMostPlaces
// places, rounded down or up, whose value reads back as the same record.
std::optional<std::string> ShortestReadingBack(const mpq_class& value, const mpq_class& unitSize) {
  const mpq_class quotient = value / unitSize;
  for (unsigned long places = 0; places <= kMostPlaces; ++places) {
    const mpz_class scale = PowerOfTen(places);
    const mpq_class scaled = quotient * scale;
    mpz_class down;
    mpz_fdiv_q(down.get_mpz_t(), scaled.get_num_mpz_t(), scaled.get_den_mpz_t());
    for (const mpz_class& digits : {down, mpz_class(down + 1)}) {
      const mpq_class candidate(digits, scale);
      const std::optional<UniversalTime> record = utx::TimeRecord(candidate * unitSize, Analog());
      if (record && utx::TimeValue(*record, Analog()) == value) {
        return utx::DecimalText(candidate);
      }
    }
  }
  return std::nullopt;
}

}  // namespace

mpq_class FemtosecondsPer(TimeUnit unit) {
  if (unit == TimeUnit_hr) return FemtosecondsPer(TimeUnit_min) * 60;
  if (unit == TimeUnit_min) return FemtosecondsPer(TimeUnit_sec) * 60;
  return mpq_class(PowerOfTen(static_cast<unsigned long>(unit) * 3));
}

std::string QuantityImage(const mpq_class& value, const mpq_class& unitSize, const char* unit) {
  return utx::DecimalText(value / unitSize) + " " + unit;
}

std::string TimeInUnit(const UniversalTime& time, TimeUnit unit) {
  const mpq_class value = utx::TimeValue(time, Analog());
  const mpq_class unitSize = FemtosecondsPer(unit);
  const std::string exact = QuantityImage(value, unitSize, UnitName(unit));
  if (value.get_den() == 1) return exact;
  const std::optional<std::string> shortest = ShortestReadingBack(value, unitSize);
  return shortest ? *shortest + " " + UnitName(unit) : exact;
}

TimeUnit ReadableUnit(const UniversalTime& time) {
  const mpq_class magnitude = abs(utx::TimeValue(time, Analog()));
  for (int unit = TimeUnit_hr; unit > TimeUnit_fs; --unit) {
    const auto candidate = static_cast<TimeUnit>(unit);
    if (magnitude >= FemtosecondsPer(candidate) && IsDecimal(TimeInUnit(time, candidate))) {
      return candidate;
    }
  }
  return TimeUnit_fs;
}

std::string FrequencyImage(const mpq_class& hertz, std::optional<FrequencyUnit> unit) {
  const auto image = [&](FrequencyUnit in) {
    return QuantityImage(hertz, HertzPer(in), FrequencyUnitName(in));
  };
  if (unit) return image(*unit);
  for (int candidate = static_cast<int>(FrequencyUnit::THz); candidate > 0; --candidate) {
    const auto in = static_cast<FrequencyUnit>(candidate);
    if (abs(hertz) >= HertzPer(in) && IsDecimal(image(in))) return image(in);
  }
  return image(FrequencyUnit::Hz);
}

}  // namespace utcalc
