#include "literal_reader.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "exact_natural.h"

namespace fuzz {

namespace {

constexpr const char* kUnitNames[] = {"fs", "ps", "ns", "us", "ms", "sec", "min", "hr"};
constexpr int kUnitCount = 8;
// Each unit is the one before times this.
constexpr std::uint32_t kStepFromPrevious[kUnitCount] = {1, 1000, 1000, 1000, 1000, 1000, 60, 60};
// An exponent this large already decides overflow or the zero time; reading
// stops growing it here.
constexpr std::int64_t kExponentCeiling = std::int64_t{1} << 40;

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }
char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

int DigitValue(char c) {
  if (IsDecimalDigit(c)) return c - '0';
  const char lower = Lower(c);
  return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

bool IsDigitOf(char c, int base) {
  const int value = DigitValue(c);
  return value >= 0 && value < base;
}

int UnitNamed(std::string_view word) {
  for (int unit = 0; unit < kUnitCount; ++unit) {
    const std::string_view name = kUnitNames[unit];
    if (word.size() == name.size() &&
        std::equal(word.begin(), word.end(), name.begin(), [](char a, char b) { return Lower(a) == b; })) {
      return unit;
    }
  }
  return -1;
}

// Skips white space, then takes the characters up to the next.
std::string_view NextWord(std::string_view& text) {
  std::size_t begin = 0;
  while (begin < text.size() && IsSpace(text[begin])) ++begin;
  std::size_t end = begin;
  while (end < text.size() && !IsSpace(text[end])) ++end;
  const std::string_view word = text.substr(begin, end - begin);
  text.remove_prefix(end);
  return word;
}

struct Number {
  bool negative = false;
  int base = 10;
  std::string digits;  // values of the integer then the fraction digits
  std::int64_t fractionDigits = 0;
  bool negativeExponent = false;
  std::string exponentDigits;
};

class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}

  bool AtEnd() const { return position_ >= text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[position_]; }
  bool Take(char c) {
    if (AtEnd() || text_[position_] != c) return false;
    ++position_;
    return true;
  }
  bool TakeSign() {
    const bool negative = Take('-');
    if (!negative) Take('+');
    return negative;
  }

  // digit (["_"] digit)*, appending the digits' values.
  bool TakeRun(int base, std::string& digits) {
    if (!IsDigitOf(Peek(), base)) return false;
    do {
      digits += static_cast<char>(DigitValue(text_[position_++]));
      if (Take('_') && !IsDigitOf(Peek(), base)) return false;
    } while (IsDigitOf(Peek(), base));
    return true;
  }

 private:
  std::string_view text_;
  std::size_t position_ = 0;
};

// run ["." run]
bool TakeMantissa(Cursor& cursor, Number& number) {
  if (!cursor.TakeRun(number.base, number.digits)) return false;
  if (!cursor.Take('.')) return true;
  const std::size_t integerDigits = number.digits.size();
  if (!cursor.TakeRun(number.base, number.digits)) return false;
  number.fractionDigits = static_cast<std::int64_t>(number.digits.size() - integerDigits);
  return true;
}

// [("e" | "E") [sign] run], the run in the number's base.
bool TakeExponent(Cursor& cursor, Number& number) {
  if (!cursor.Take('e') && !cursor.Take('E')) return true;
  number.negativeExponent = cursor.TakeSign();
  return cursor.TakeRun(number.base, number.exponentDigits);
}

bool ReadDecimal(Cursor& cursor, Number& number) {
  number.negative = cursor.TakeSign();
  return TakeMantissa(cursor, number) && TakeExponent(cursor, number) && cursor.AtEnd();
}

// "0"* [d [d]] "#" mantissa "#" [exponent], base d or d d from 2 to 16, or
// 10 when no digit stands there.
bool ReadBased(Cursor& cursor, Number& number) {
  while (cursor.Take('0')) {
  }
  // After the zeros a base digit is never 0: a base of 0 means none was given.
  int base = 0;
  for (int digits = 0; digits < 2 && IsDecimalDigit(cursor.Peek()); ++digits) {
    base = 10 * base + DigitValue(cursor.Peek());
    cursor.Take(cursor.Peek());
  }
  if (base != 0 && (base < 2 || base > 16)) return false;
  number.base = base == 0 ? 10 : base;
  return cursor.Take('#') && TakeMantissa(cursor, number) && cursor.Take('#') &&
         TakeExponent(cursor, number) && cursor.AtEnd();
}

bool ReadNumber(std::string_view word, bool basedLiterals, Number& number) {
  Cursor cursor(word);
  if (basedLiterals && word.find('#') != std::string_view::npos) return ReadBased(cursor, number);
  return ReadDecimal(cursor, number);
}

ExpectedTime Value(int sign, u128 ticks, double offset) {
  return {ExpectedTime::Kind::kValue, Normalised(sign, ticks), offset};
}

ExpectedTime Overflow() { return {ExpectedTime::Kind::kOverflow, {}, 0.0}; }

std::int64_t ExponentValue(const Number& number) {
  std::int64_t value = 0;
  for (const char digit : number.exponentDigits) {
    value = std::min(value * number.base + digit, kExponentCeiling);
  }
  return number.negativeExponent ? -value : value;
}

// |v| = whole + rest / denominator, rest < denominator.
ExpectedTime Assembled(u128 whole, const ExactNatural& rest, const ExactNatural& denominator, bool negative,
                       bool analog) {
  double offset = 0.0;
  if (analog && !rest.IsZero()) {
    if (negative) {
      // floor(-(whole + f)) is -(whole + 1), leaving 1 - f.
      ExactNatural complement = denominator;
      complement.Subtract(rest);
      offset = RoundedRatio(complement, denominator);
      whole = whole + 1;
    } else {
      offset = RoundedRatio(rest, denominator);
    }
    if (offset == 1.0) {
      offset = 0.0;
      whole = negative ? whole - 1 : whole + 1;
    }
  }
  if (whole > kMax96) return Overflow();
  return Value(negative ? -1 : 1, whole, offset);
}

// v = N * B^scale * unit, N the mantissa digits read as one number.
ExpectedTime ExactValue(const Number& number, int unit, bool analog) {
  const auto base = static_cast<std::uint32_t>(number.base);
  ExactNatural numerator;
  for (const char digit : number.digits) numerator.MultiplyAdd(base, static_cast<std::uint32_t>(digit));
  if (numerator.IsZero()) return Value(1, 0, 0.0);
  const std::int64_t scale = ExponentValue(number) - number.fractionDigits;
  // N >= 1 and B >= 2: v >= 2^96 needs more ticks than there are.
  if (scale >= 96) return Overflow();
  for (int step = 1; step <= unit; ++step) numerator.MultiplyAdd(kStepFromPrevious[step], 0);
  ExactNatural denominator(1);
  for (std::int64_t step = 0; step < scale; ++step) numerator.MultiplyAdd(base, 0);
  // With B^-scale past 2^(bits of the numerator + 1200), v < 2^-1200: every
  // mode makes that the zero time (a negative v's offset 1 - |v| rounds to
  // 1.0 and carries back to zero ticks).
  if (-scale > numerator.BitLength() + 1200) return Value(1, 0, 0.0);
  for (std::int64_t step = 0; step < -scale; ++step) denominator.MultiplyAdd(base, 0);
  u128 whole;
  if (!DivideWithNarrowQuotient(numerator, denominator, whole)) return Overflow();
  return Assembled(whole, numerator, denominator, number.negative, analog);
}

}  // namespace

u128 FemtosecondsPerUnit(int unit) {
  u128 femtoseconds = 1;
  for (int step = 1; step <= unit; ++step) femtoseconds = femtoseconds * kStepFromPrevious[step];
  return femtoseconds;
}

ExpectedTime ReadLiteral(const std::string& text, bool basedLiterals, bool analog) {
  std::string_view rest = text;
  const std::string_view first = NextWord(rest);
  if (const int alone = UnitNamed(first); alone >= 0) return Value(1, FemtosecondsPerUnit(alone), 0.0);
  const int unit = UnitNamed(NextWord(rest));
  Number number;
  if (unit < 0 || !ReadNumber(first, basedLiterals, number)) return {};
  return ExactValue(number, unit, analog);
}

}  // namespace fuzz
