// The literal grammar: unit, sign or base, digit runs, exponent. The value
// itself is computed exactly from the runs (exact_literal_value.h). Everyday
// literals take the direct route (direct_literal.h) and never reach either.
#include "integer/magnitude96.h"
#include "time/time_internals.h"
#include "timetext/direct_literal.h"
#include "timetext/exact_literal_value.h"
#include "timetext/time_units.h"

namespace universaltypes::detail {

namespace {

bool IsExponentMark(char c) { return c == 'e' || c == 'E'; }

// The last exponent mark before the number's end; for a based number only
// after its closing "#", so "E" digits ('16#1E# ns') stay digits.
long MantissaEnd(const LiteralText& text, long start, long numberEnd, bool based) {
  long floor = 0;
  if (based) {
    floor = start;
    while (text[floor] != '#' && text[floor] != '\0') ++floor;
    ++floor;
  }
  for (long index = numberEnd; index >= floor; --index) {
    if (IsExponentMark(text[index])) return index;
  }
  return numberEnd;
}

// A base of one or two decimal digits after any leading zeros; none is 10.
bool ReadBase(const LiteralText& text, long& position, int& base) {
  while (text[position] == '0') ++position;
  base = 10;
  if (IsAsciiDigit(text[position])) {
    base = text[position++] - '0';
    if (IsAsciiDigit(text[position])) base = 10 * base + (text[position++] - '0');
    if (base < 2 || base > 16) return false;
  }
  if (text[position] != '#') return false;
  ++position;
  return true;
}

// Fills the number's runs from p up to the number's end; false when the
// grammar refuses the text.
bool ReadNumber(const LiteralText& text, long p, long numberEnd, bool basedDisabled,
                LiteralNumber& number) {
  UTypes_StatusCode status = UTypes_OK;
  const bool based = IsBasedNumber(text, p, numberEnd, basedDisabled);
  if (based) {
    if (!ReadBase(text, p, number.base)) return false;
  } else if (text[p] == '-' || text[p] == '+') {
    number.negative = text[p++] == '-';
  }
  const long mantissaEnd = MantissaEnd(text, p, numberEnd, based);
  number.integerRun = ScanDigitRun(text, number.base, p, mantissaEnd, status);
  if (status == UTypes_OK && text[p] == '.') {
    ++p;
    number.fractionRun = ScanDigitRun(text, number.base, p, numberEnd, status);
  }
  if (based && text[p] == '#') ++p;
  if (status == UTypes_OK && IsExponentMark(text[p])) {
    ++p;
    if (text[p] == '-' || text[p] == '+') number.negativeExponent = text[p++] == '-';
    number.exponentRun = ScanDigitRun(text, number.base, p, numberEnd, status);
  }
  return status == UTypes_OK && p == numberEnd;
}

// The tick record of a value the direct route settled, spelled as the
// integer operations spell it: an exact count, and sign +1 for zero.
UniversalTime TimeOf(const DirectLiteralValue& value) {
  const std::int16_t sign = value.negative ? IntegerInternals::kMinus : IntegerInternals::kPlus;
  return TimeInternals::Make(Magnitude96{value.low, value.high}.WithSign(sign), value.offset);
}

// Every literal the direct route declines, with the general grammar and the
// exact value of any length. Out of line: the everyday literals that never
// reach it parse faster ('parse typical literals').
[[gnu::noinline]] UniversalTime ParseGeneralLiteral(const LiteralText& text, UTypes_StatusCode& status,
                                                    bool basedDisabled) {
  status = UTypes_Error;
  if (static_cast<unsigned char>(text[0]) >= 0x80) return UniversalTime();
  int numberEnd = IndexAfterUnit(text);
  const TimeUnit unit = FindUnit(text, status, numberEnd);
  if (status != UTypes_OK) return UniversalTime();
  if (numberEnd == 0) return UnitConstant(unit);  // a unit alone is one unit
  status = UTypes_Error;
  LiteralNumber number;
  number.text = &text;
  number.unit = unit;
  if (!ReadNumber(text, SkipSpace(text, 0), numberEnd, basedDisabled, number)) {
    return UnitConstant(unit);
  }
  const UniversalTime value = ExactLiteralValue(number, UniversalTime::Get_AnalogExists());
  status = UTypes_OK;
  return value;
}

}  // namespace

UniversalTime ParseTimeLiteral(const LiteralText& text, UTypes_StatusCode& status,
                               bool basedDisabled) {
  DirectLiteralValue direct;
  if (TryDirectLiteral(text, basedDisabled, TimeInternals::AnalogExists(), direct)) {
    status = UTypes_OK;
    return TimeOf(direct);
  }
  return ParseGeneralLiteral(text, status, basedDisabled);
}

}  // namespace universaltypes::detail

using namespace universaltypes::detail;

UniversalTime TimeValueFromTimeString(const char* text, UTypes_StatusCode& status) {
  return ParseTimeLiteral(LiteralText(text), status, BasedLiteralsDisabled());
}

void TimeValueFromTimeString_CF(const char* text, int length, int*& ticks,
                                UTypes_StatusCode& status) {
  // Based literals are off for this parse alone: the parser is told so, and
  // the process-wide switch, which parses on other threads read meanwhile,
  // is not touched during the call. It is clear afterwards, also when an
  // exception passes out and also for a call that parses nothing (a null
  // text or a negative length): hosts count on that after every call.
  struct BasedLiteralsOnAfterwards {
    ~BasedLiteralsOnAfterwards() { DisableBasedLiterals(false); }
  } clearAfterwards;
  UniversalTime value;
  status = UTypes_Error;
  if (text != nullptr && length >= 0) value = ParseTimeLiteral(LiteralText(text, length), status, true);
  if (ticks != nullptr) value.ConvertUniversalTimeToInts(ticks);
}
