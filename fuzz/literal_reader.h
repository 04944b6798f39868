// A time literal reader written apart from the library's parser, to check
// it: the documented grammar, and the literal's value as an exact fraction of
// femtoseconds, turned into ticks and offset by their definitions.
#ifndef UNIVERSALTYPES_FUZZ_LITERAL_READER_H
#define UNIVERSALTYPES_FUZZ_LITERAL_READER_H

#include <string>

#include "support/int128_model.h"

namespace fuzz {

struct ExpectedTime {
  enum class Kind { kValue, kOverflow, kRefused };
  Kind kind = Kind::kRefused;
  Model ticks;  // with kValue
  double offset = 0.0;
};

// The text holds no NUL. With analog set, ticks = floor(v) and offset =
// v - floor(v) rounded to the nearest double (a rest that rounds to 1.0
// carries); clear, ticks = v truncated toward zero and offset 0.0.
ExpectedTime ReadLiteral(const std::string& text, bool basedLiterals, bool analog);

// Femtoseconds per unit, 0 fs to 7 hr.
u128 FemtosecondsPerUnit(int unit);

}  // namespace fuzz

#endif  // UNIVERSALTYPES_FUZZ_LITERAL_READER_H
