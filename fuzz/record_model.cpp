#include "record_model.h"

#include <cmath>

namespace fuzz {

bool KeepsInvariants(const UniversalInteger& record) { return IsCanonical(record); }

bool KeepsInvariants(const UniversalTime& time) {
  const double offset = time.Get_OffsetTime();
  return KeepsInvariants(time.UniversalToPhysicalTime()) && offset >= 0.0 && offset < 1.0;
}

Model ModelOf(const UniversalInteger& record) {
  const Fields fields = FieldsOf(record);
  return {fields.sign, MagnitudeOf(fields)};
}

Model ModelOf(int value) {
  // Through unsigned arithmetic, so the most negative int has its magnitude.
  const auto bits = static_cast<std::uint32_t>(value);
  return Normalised(value < 0 ? -1 : 1, value < 0 ? 0u - bits : bits);
}

UniversalInteger Repaired(const UniversalInteger& raw) {
  const Fields fields = FieldsOf(raw);
  const int digits = (fields.count % 7 + 7) % 7;
  const u128 magnitude = MagnitudeOf(fields) & ((u128{1} << (16 * digits)) - 1);
  return ToRecord(Normalised((fields.sign & 1) != 0 ? -1 : 1, magnitude));
}

UniversalTime Repaired(const UniversalTime& raw) {
  double offset = raw.Get_OffsetTime();
  offset = std::isfinite(offset) ? std::fabs(offset) - std::floor(std::fabs(offset)) : 0.0;
  return TimeRecord(Repaired(raw.UniversalToPhysicalTime()), offset);
}

}  // namespace fuzz
