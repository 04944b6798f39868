#include "record_model.h"

#include <cmath>
#include <cstdio>

namespace fuzz {

namespace {

// The model works on values, where C++'s own / and % already truncate toward
// zero and give the remainder the dividend's sign.
i128 ValueOf(const Model& model) {
  const i128 magnitude(model.magnitude);
  return model.sign < 0 ? -magnitude : magnitude;
}

Model ModelFrom(const i128& value) {
  return value < 0 ? Model{-1, static_cast<u128>(-value)} : Model{1, static_cast<u128>(value)};
}

ModelOutcome Checked(const i128& value) {
  const Model model = ModelFrom(value);
  if (model.magnitude > kMax96) return {UTypes_Overflow, {}};
  return {UTypes_OK, model};
}

}  // namespace

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

std::string FieldsText(const UniversalInteger& record) {
  const Fields fields = FieldsOf(record);
  char text[64];
  std::snprintf(text, sizeof text, "(%d, %d, %08x %08x %08x)", fields.sign, fields.count, fields.words[2],
                fields.words[1], fields.words[0]);
  return text;
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

ModelOutcome ModelSum(const Model& left, const Model& right) {
  return Checked(ValueOf(left) + ValueOf(right));
}

ModelOutcome ModelDifference(const Model& left, const Model& right) {
  return Checked(ValueOf(left) - ValueOf(right));
}

ModelOutcome ModelProduct(const Model& left, const Model& right) {
  // Unsigned products wrap modulo 2^128, a multiple of 2^96.
  const u128 wrapped = (left.magnitude * right.magnitude) & kMax96;
  // A zero operand gives +0; otherwise the sign is the product of the
  // signs, even where the wrapped magnitude is zero.
  const bool zeroOperand = left.magnitude == 0 || right.magnitude == 0;
  return {UTypes_OK, zeroOperand ? Model{} : Model{left.sign * right.sign, wrapped}};
}

ModelOutcome ModelQuotient(const Model& left, const Model& right) {
  // Nothing over zero is +0; anything else over zero has no value.
  if (right.magnitude == 0) return {left.magnitude == 0 ? UTypes_OK : UTypes_Error, {}};
  return {UTypes_OK, ModelFrom(ValueOf(left) / ValueOf(right))};
}

ModelOutcome ModelRem(const Model& left, const Model& right) {
  if (left.magnitude == 0 || right.magnitude == 0) return {};
  return {UTypes_OK, ModelFrom(ValueOf(left) % ValueOf(right))};
}

ModelOutcome ModelMod(const Model& left, const Model& right) {
  if (left.magnitude == 0) return {};
  if (right.magnitude == 0) return {UTypes_OK, left};
  const i128 divisor = ValueOf(right);
  const i128 remainder = ValueOf(left) % divisor;
  const bool oppositeSigns = (remainder < 0) != (divisor < 0);
  return {UTypes_OK, ModelFrom(remainder != 0 && oppositeSigns ? remainder + divisor : remainder)};
}

int SignedOrder(const Model& left, const Model& right) {
  const i128 a = ValueOf(left), b = ValueOf(right);
  return a < b ? -1 : (b < a ? 1 : 0);
}

}  // namespace fuzz
