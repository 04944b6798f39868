// Records as a host hands them in: whether one keeps the invariants, a valid
// record made from any bytes, and what the integer flat functions must give
// for valid records on an exact signed model (v = sign * magnitude).
#ifndef UNIVERSALTYPES_FUZZ_RECORD_MODEL_H
#define UNIVERSALTYPES_FUZZ_RECORD_MODEL_H

#include <cstring>
#include <string>

#include "support/int128_model.h"
#include "universaltypes/universal_time.h"

namespace fuzz {

// Sign +1 or -1, exact digit count, uncovered words zero, zero as +0.
bool KeepsInvariants(const UniversalInteger& record);
// Ticks that keep them, and a finite offset in [0, 1).
bool KeepsInvariants(const UniversalTime& time);
// Of a record that keeps the invariants.
Model ModelOf(const UniversalInteger& record);
Model ModelOf(int value);
// The raw fields, for messages: "(sign, count, w2 w1 w0)".
std::string FieldsText(const UniversalInteger& record);

// Valid records from any bytes: the sign from the sign field's low bit, as
// many digits of the words as the count field names (modulo 7), an offset
// folded into [0, 1) (0.0 for a NaN or an infinity).
UniversalInteger Repaired(const UniversalInteger& raw);
UniversalTime Repaired(const UniversalTime& raw);

template <typename Record>
bool SameBytes(const Record& left, const Record& right) {
  return std::memcmp(&left, &right, sizeof left) == 0;
}

struct ModelOutcome {
  int status = UTypes_OK;
  Model value;
};

ModelOutcome ModelSum(const Model& left, const Model& right);
ModelOutcome ModelDifference(const Model& left, const Model& right);
ModelOutcome ModelProduct(const Model& left, const Model& right);
ModelOutcome ModelQuotient(const Model& left, const Model& right);
ModelOutcome ModelRem(const Model& left, const Model& right);
ModelOutcome ModelMod(const Model& left, const Model& right);
// -1, 0 or 1 as left is below, equal to or above right.
int SignedOrder(const Model& left, const Model& right);

}  // namespace fuzz

#endif  // UNIVERSALTYPES_FUZZ_RECORD_MODEL_H
