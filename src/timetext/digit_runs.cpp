#include "timetext/digit_runs.h"

#include "time/time_internals.h"
#include "universaltypes/time_text.h"

namespace universaltypes::detail {

bool basedLiteralsDisabled = false;

bool IsBasedNumber(const LiteralText& text, long start, long end, bool disabled) {
  if (disabled || start >= end) return false;
  int hashes = 0;
  for (long index = start; index < end && text[index] != '\0'; ++index) {
    if (text[index] != '#') continue;
    if (++hashes == 2) return true;
    if (DigitValue(text[index + 1], '\0', 16) < 0) return false;
  }
  return false;
}

}  // namespace universaltypes::detail

using namespace universaltypes::detail;

void Set_DisableBaseLiterals(bool disable) { DisableBasedLiterals(disable); }

bool Is_BasedNumber(const char* text, int start, int end) {
  return IsBasedNumber(LiteralText(text), start, end, BasedLiteralsDisabled());
}

int Get_Digit(char c, char next, int base, int& error) {
  if (c == '.' || base < 2 || base > 16) {
    error = 1;
    return 0;
  }
  const int value = DigitValue(c, next, base);
  error = value < 0 ? 1 : 0;
  if (value >= 0) return value;
  // The value is still reported for a digit that is too large or an
  // exponent mark; anything else is 0.
  if (IsAsciiDigit(c)) return c - '0';
  const char lower = AsciiLower(c);
  return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : 0;
}

namespace {

// time * factor with the tick product checked: a run's value never wraps.
UniversalTime CheckedTimesInt(const UniversalTime& time, int factor) {
  const UniversalInteger& ticks = time.UniversalToPhysicalTime();
  UniversalInteger product = IntegerInternals::CheckedMagnitudeProduct(ticks, UniversalInteger(factor));
  if (product.CompareMagnitude(UniversalInteger::Get_TheConstantZero()) != Comparison_Equal &&
      ((ticks < UniversalInteger::Get_TheConstantZero()) != (factor < 0))) {
    product = UniversalInteger::Get_TheConstantZero() - product;
  }
  return UniversalTime(product, UniversalReal(static_cast<double>(factor) *
                                              static_cast<double>(time.Get_OffsetTime())));
}

}  // namespace

UniversalTime Add_Integer(UniversalTime unit, int base, const char* text, int& position, int end,
                          int& digits, UTypes_StatusCode& status) {
  const LiteralText literal(text);
  const bool failedBefore = status == UTypes_Error;
  if (position < 0 || literal[position] == '_') {
    status = UTypes_Error;
    return UniversalTime();
  }
  digits = 0;
  long cursor = position;
  UTypes_StatusCode runStatus = UTypes_OK;
  const DigitRun run = ScanDigitRun(literal, base, cursor, end, runStatus);
  UniversalTime result;
  ForEachDigit(literal, run, base, [&](int digit) {
    result = CheckedTimesInt(result, base) + CheckedTimesInt(unit, digit);
  });
  digits = run.digits;
  if (runStatus == UTypes_Error) status = UTypes_Error;
  if (digits > 28) result = UniversalTime::Get_TheConstantTickHigh();
  if (failedBefore && digits > 0 && !run.endsOnUnderscore) --cursor;
  position = static_cast<int>(cursor);
  return result;
}
