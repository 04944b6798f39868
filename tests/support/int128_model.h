// An independent model of the 96-bit sign-magnitude integer on unsigned
// __int128, bridged to the record through the array form a host reads.
#ifndef UNIVERSALTYPES_TESTS_SUPPORT_INT128_MODEL_H
#define UNIVERSALTYPES_TESTS_SUPPORT_INT128_MODEL_H

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "support/int128.h"
#include "universaltypes/universal_integer.h"
#include "universaltypes/universal_time.h"

inline constexpr u128 kMax96 = (u128{1} << 96) - 1;

struct Model {
  int sign = 1;  // +1 or -1; zero has +1
  u128 magnitude = 0;
  bool operator==(const Model&) const = default;
};

inline int ExactDigitCount(u128 magnitude) {
  int count = 0;
  for (; magnitude != 0; magnitude = magnitude >> 16) ++count;
  return count;
}

// Any five fields, as a host may send them: nothing is checked or repaired.
inline UniversalInteger RawRecord(int sign, int count, std::uint32_t word0, std::uint32_t word1 = 0,
                                  std::uint32_t word2 = 0) {
  int ints[5] = {sign, count, static_cast<int>(word0), static_cast<int>(word1), static_cast<int>(word2)};
  UniversalInteger record;
  record.ConvertIntsToUniversalInteger(ints);
  return record;
}

struct Fields {
  int sign, count;
  std::uint32_t words[3];
  bool operator==(const Fields&) const = default;
};

// The record the library must produce for a model value: exact count,
// uncovered words zero.
inline UniversalInteger ToRecord(const Model& model) {
  const auto word = [&](int index) { return static_cast<std::uint32_t>(model.magnitude >> (32 * index)); };
  return RawRecord(model.sign, ExactDigitCount(model.magnitude), word(0), word(1), word(2));
}

inline Fields FieldsOf(const UniversalInteger& record) {
  int ints[5];
  record.ConvertUniversalIntegerToInts(ints);
  return {ints[0], ints[1],
          {static_cast<std::uint32_t>(ints[2]), static_cast<std::uint32_t>(ints[3]),
           static_cast<std::uint32_t>(ints[4])}};
}

inline u128 MagnitudeOf(const Fields& fields) {
  return u128{fields.words[2]} << 64 | u128{fields.words[1]} << 32 | u128{fields.words[0]};
}

// The integer invariants every result keeps: sign +1 or -1, the words' own
// digit count (so uncovered words are zero), zero as +0.
inline bool IsCanonical(const UniversalInteger& record) {
  const Fields fields = FieldsOf(record);
  const u128 magnitude = MagnitudeOf(fields);
  return (fields.sign == 1 || (fields.sign == -1 && magnitude != 0)) &&
         fields.count == ExactDigitCount(magnitude);
}

// The 24 bytes a host hands in: the tick record, then the offset's bytes.
inline UniversalTime TimeRecord(const UniversalInteger& ticks, double offset) {
  static_assert(sizeof(UniversalTime) == sizeof ticks + sizeof offset);
  UniversalTime time;
  std::memcpy(static_cast<void*>(&time), &ticks, sizeof ticks);
  std::memcpy(reinterpret_cast<unsigned char*>(&time) + sizeof ticks, &offset, sizeof offset);
  return time;
}

// A time's tick count in decimal, as the library prints it.
inline std::string TicksText(const UniversalTime& time) { return static_cast<const char*>(time.UniversalToPhysicalTime()); }
inline bool Matches(const UniversalInteger& record, const Model& model) {
  return FieldsOf(record) == FieldsOf(ToRecord(model));
}

inline std::string ToString(const Model& model) {
  std::string digits;
  u128 rest = model.magnitude;
  do {
    digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(rest % 10)));
    rest = rest / 10;
  } while (rest != 0);
  return (model.sign < 0 ? "-" : "") + digits;
}

inline Model Normalised(int sign, u128 magnitude) { return {magnitude == 0 ? 1 : sign, magnitude}; }

// What each operation must give, on signed values: / and % truncate toward
// zero and give the remainder the dividend's sign.
struct ModelOutcome {
  int status = UTypes_OK;
  Model value;
  bool operator==(const ModelOutcome&) const = default;
};

inline i128 ValueOf(const Model& model) { return model.sign < 0 ? -i128(model.magnitude) : i128(model.magnitude); }

inline Model ModelFrom(const i128& value) {
  return value < 0 ? Model{-1, static_cast<u128>(-value)} : Model{1, static_cast<u128>(value)};
}

inline ModelOutcome InRange(const i128& value) {
  const Model model = ModelFrom(value);
  return model.magnitude > kMax96 ? ModelOutcome{UTypes_Overflow, {}} : ModelOutcome{UTypes_OK, model};
}

inline ModelOutcome ModelSum(const Model& a, const Model& b) { return InRange(ValueOf(a) + ValueOf(b)); }
inline ModelOutcome ModelDifference(const Model& a, const Model& b) { return InRange(ValueOf(a) - ValueOf(b)); }

// Products wrap modulo 2^96 and keep the product of the signs even where
// the wrapped magnitude is zero; a zero operand gives +0.
inline ModelOutcome ModelProduct(const Model& a, const Model& b) {
  if (a.magnitude == 0 || b.magnitude == 0) return {};
  return {UTypes_OK, {a.sign * b.sign, (a.magnitude * b.magnitude) & kMax96}};
}

// Nothing over zero is +0; anything else over zero has no value.
inline ModelOutcome ModelQuotient(const Model& a, const Model& b) {
  if (b.magnitude == 0) return {a.magnitude == 0 ? UTypes_OK : UTypes_Error, {}};
  return {UTypes_OK, ModelFrom(ValueOf(a) / ValueOf(b))};
}

inline ModelOutcome ModelRem(const Model& a, const Model& b) {
  if (a.magnitude == 0 || b.magnitude == 0) return {};
  return {UTypes_OK, ModelFrom(ValueOf(a) % ValueOf(b))};
}

// mod takes the divisor's sign; a zero divisor gives the dividend.
inline ModelOutcome ModelMod(const Model& a, const Model& b) {
  if (a.magnitude == 0) return {};
  if (b.magnitude == 0) return {UTypes_OK, a};
  const i128 divisor = ValueOf(b), remainder = ValueOf(a) % divisor;
  const bool oppositeSigns = (remainder < 0) != (divisor < 0);
  return {UTypes_OK, ModelFrom(remainder != 0 && oppositeSigns ? remainder + divisor : remainder)};
}

// -1, 0 or 1 as a is below, equal to or above b.
inline int SignedOrder(const Model& a, const Model& b) {
  const i128 x = ValueOf(a), y = ValueOf(b);
  return x < y ? -1 : (y < x ? 1 : 0);
}

inline UniversalInteger I(u128 magnitude, int sign = 1) { return ToRecord(Normalised(sign, magnitude)); }

inline u128 PowerOfTen(int exponent) {
  u128 power = 1;
  while (exponent-- > 0) power = power * 10;
  return power;
}

// The five fields as a host reads them, words most significant first.
inline std::string RecordText(const UniversalInteger& record) {
  const Fields f = FieldsOf(record);
  char text[80];
  std::snprintf(text, sizeof text, "{sign %d, count %d, %08x %08x %08x}", f.sign, f.count,
                static_cast<unsigned>(f.words[2]), static_cast<unsigned>(f.words[1]),
                static_cast<unsigned>(f.words[0]));
  return text;
}

// The status code of the exception a call throws; UTypes_OK when it returns.
template <typename Call>
int StatusOf(Call call) {
  try {
    call();
    return UTypes_OK;
  } catch (const UTypes_StatusCodeException& exception) {
    return exception.Get_StatusCode();
  }
}

#endif
