// Digits of a literal: single digits in a base, runs of digits with single
// underscores between them, and the test for a based number.
#ifndef UNIVERSALTYPES_SRC_TIMETEXT_DIGIT_RUNS_H
#define UNIVERSALTYPES_SRC_TIMETEXT_DIGIT_RUNS_H

#include <array>

#include "status/shared_word.h"
#include "timetext/literal_text.h"
#include "universaltypes/status.h"

namespace universaltypes::detail {

inline constexpr unsigned kNotADigit = 0xFF;

// Each byte's value as a digit of the bases up to 16, letters in either
// case; kNotADigit for every other byte.
inline constexpr std::array<unsigned char, 256> kDigitValues = [] {
  std::array<unsigned char, 256> values{};
  values.fill(kNotADigit);
  for (unsigned char digit = 0; digit < 16; ++digit) {
    if (digit < 10) values['0' + digit] = digit;
    else values['a' + digit - 10] = values['A' + digit - 10] = digit;
  }
  return values;
}();

// c's value as a digit of a base up to 16, or kNotADigit; a digit of a
// given base is one below it.
inline unsigned DigitOf(char c) { return kDigitValues[static_cast<unsigned char>(c)]; }

// -1 when c is not a digit of base (or is an "E" that starts an exponent).
inline int DigitValue(char c, char next, int base) {
  if (base < 2 || base > 16) return -1;
  const unsigned value = DigitOf(c);
  if (value >= static_cast<unsigned>(base)) return -1;
  // "E" followed by a sign is an exponent mark, not the digit 14.
  if ((c == 'e' || c == 'E') && (next == '+' || next == '-')) return -1;
  return static_cast<int>(value);
}

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
// Inline, so the exact layer reads decimal numbers by the same rule.
inline DigitRun ScanDigitRun(const LiteralText& text, int base, long& position, long limit,
                             UTypes_StatusCode& status) {
  DigitRun run{position, position, 0};
  if (text[position] == '_' || position >= limit) {
    status = UTypes_Error;
    return run;
  }
  bool afterUnderscore = false;
  for (; position < limit; ++position) {
    const char c = text[position];
    if (c == '_') {
      if (afterUnderscore) break;  // two in a row: malformed, reported below
      afterUnderscore = true;
      continue;
    }
    if (DigitValue(c, text[position + 1], base) < 0) break;
    ++run.digits;
    afterUnderscore = false;
  }
  run.end = position;
  run.endsOnUnderscore = afterUnderscore;
  if (afterUnderscore || run.digits == 0) status = UTypes_Error;
  return run;
}

// Calls visit(value) for each digit of the run, in order.
template <typename Visit>
void ForEachDigit(const LiteralText& text, const DigitRun& run, int base, Visit&& visit) {
  for (long index = run.begin; index < run.end; ++index) {
    if (text[index] != '_') visit(DigitValue(text[index], text[index + 1], base));
  }
}

}  // namespace universaltypes::detail

#endif
