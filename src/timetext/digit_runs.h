// Digits of a literal: single digits in a base, runs of digits with single
// underscores between them, and the test for a based number.
#ifndef UNIVERSALTYPES_SRC_TIMETEXT_DIGIT_RUNS_H
#define UNIVERSALTYPES_SRC_TIMETEXT_DIGIT_RUNS_H

#include "status/shared_word.h"
#include "timetext/literal_text.h"
#include "universaltypes/status.h"

namespace universaltypes::detail {

// -1 when c is not a digit of base (or is an "E" that starts an exponent).
int DigitValue(char c, char next, int base);

bool IsBasedNumber(const LiteralText& text, long start, long end, bool basedLiteralsDisabled);

// The process-wide based-literal switch, as hosts expect: the last writer
// wins. Read inline: every parse reads it.
extern bool basedLiteralsDisabled;
inline bool BasedLiteralsDisabled() { return LoadShared(basedLiteralsDisabled); }
inline void DisableBasedLiterals(bool disable) { StoreShared(basedLiteralsDisabled, disable); }

// A run of digits and single underscores: [begin, end) in the text.
struct DigitRun {
  long begin = 0;
  long end = 0;
  int digits = 0;
  bool endsOnUnderscore = false;
};

// Reads a run from position up to limit, stopping at the first character
// that is not a digit of base. A run that starts or ends with an underscore,
// holds two in a row or has no digit sets status to UTypes_Error. position
// ends at the first character not consumed.
DigitRun ScanDigitRun(const LiteralText& text, int base, long& position, long limit,
                      UTypes_StatusCode& status);

// Calls visit(value) for each digit of the run, in order.
template <typename Visit>
void ForEachDigit(const LiteralText& text, const DigitRun& run, int base, Visit&& visit) {
  for (long index = run.begin; index < run.end; ++index) {
    if (text[index] != '_') visit(DigitValue(text[index], text[index + 1], base));
  }
}

}  // namespace universaltypes::detail

#endif
