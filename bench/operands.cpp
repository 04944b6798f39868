#include "operands.h"

#include <bit>
#include <cstdio>

namespace bench {

int UniformInt(Random& random, int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

Uint128 RandomMagnitude(Random& random, int bits) {
  if (bits <= 0) return 0;
  const Uint128 any = (static_cast<Uint128>(random()) << 64) | random();
  const Uint128 top = Uint128{1} << (bits - 1);
  return (any & (top - 1)) | top;
}

UniversalInteger ToLibraryForm::operator()(const Int128Integer& value) const {
  return std::bit_cast<UniversalInteger>(ToRecord(value));
}
UniversalTime ToLibraryForm::operator()(const Int128Time& value) const {
  return std::bit_cast<UniversalTime>(ToRecordForm{}(value));
}

IntegerRecord ToRecordForm::operator()(const Int128Integer& value) const { return ToRecord(value); }
TimeRecord ToRecordForm::operator()(const Int128Time& value) const {
  const Int128 ticks = value.ticks();
  return {ToRecord(Int128Integer::FromParts(ticks < 0, MagnitudeOf(ticks))), value.offset()};
}

CheckedInt128 ToBoostForm::operator()(const Int128Integer& value) const {
  CheckedInt128 result = static_cast<std::uint64_t>(value.magnitude() >> 64);
  result <<= 64;
  result += static_cast<std::uint64_t>(value.magnitude());
  return value.negative() ? CheckedInt128(-result) : result;
}

mpz_class ToGmpForm::operator()(const Int128Integer& value) const {
  mpz_class result;
  const std::uint64_t words[2] = {static_cast<std::uint64_t>(value.magnitude()),
                                  static_cast<std::uint64_t>(value.magnitude() >> 64)};
  mpz_import(result.get_mpz_t(), 2, -1, sizeof words[0], 0, 0, words);
  if (value.negative()) mpz_neg(result.get_mpz_t(), result.get_mpz_t());
  return result;
}

IntegerOperands::IntegerOperands(Pairs<Int128Integer> pairs)
    : reference(std::move(pairs)),
      library(MapPairs(reference, ToLibraryForm{})),
      records(MapPairs(reference, ToRecordForm{})),
      boost(MapPairs(reference, ToBoostForm{})),
      gmp(MapPairs(reference, ToGmpForm{})) {}

std::string Canonical(bool value) { return value ? "1" : "0"; }
std::string Canonical(int value) { return std::to_string(value); }
std::string Canonical(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%a", value);
  return text;
}
std::string Canonical(const char* text) { return text; }
std::string Canonical(const std::string& text) { return text; }
std::string Canonical(const Int128Integer& value) {
  char text[64];
  WriteDecimalImage(value, text);
  return text;
}
std::string Canonical(const IntegerRecord& value) { return Canonical(FromRecord(value)); }
std::string Canonical(const UniversalInteger& value) { return Canonical(std::bit_cast<IntegerRecord>(value)); }
std::string Canonical(const CheckedInt128& value) { return value.str(); }
std::string Canonical(mpz_srcptr value) {
  char text[64];
  return mpz_get_str(text, 10, value);
}
std::string Canonical(const Int128Time& value) {
  char text[128];
  char* out = text;
  if (value.ticks() < 0) *out++ = '-';
  out = WriteDecimal(MagnitudeOf(value.ticks()), out);
  std::snprintf(out, static_cast<std::size_t>(text + sizeof text - out), " fs + %a", value.offset());
  return text;
}
std::string Canonical(const TimeRecord& value) {
  const Int128Integer ticks = FromRecord(value.ticks);
  const auto magnitude = static_cast<Int128>(ticks.magnitude());
  return Canonical(Int128Time::Normalized(ticks.negative() ? -magnitude : magnitude, value.offset));
}
std::string Canonical(const UniversalTime& value) { return Canonical(std::bit_cast<TimeRecord>(value)); }
std::string Canonical(const ParsedTime& value) { return value.ok ? Canonical(value.time) : "malformed"; }

char* ImageBuffer() {
  static char buffer[4096];
  return buffer;
}

}  // namespace bench
