// Records as a host hands them in: whether one keeps the invariants, and a
// valid record made from any bytes. What the integer operations must give
// is the tests' model (support/int128_model.h).
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

// Valid records from any bytes: the sign from the sign field's low bit, as
// many digits of the words as the count field names (modulo 7), an offset
// folded into [0, 1) (0.0 for a NaN or an infinity).
UniversalInteger Repaired(const UniversalInteger& raw);
UniversalTime Repaired(const UniversalTime& raw);

template <typename Record>
bool SameBytes(const Record& left, const Record& right) {
  return std::memcmp(&left, &right, sizeof left) == 0;
}

}  // namespace fuzz

#endif  // UNIVERSALTYPES_FUZZ_RECORD_MODEL_H
