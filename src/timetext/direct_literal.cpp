// Why the route agrees with the general parser on every text it takes: the
// number word holds only digits, "_", ".", "#", "e" and signs, never a letter
// of a unit name, so the general grammar also finds the unit in the second
// word and reads the number from the first; a based number needs a base of
// 2 to 16 without leading zeros, its closing "#" and based literals switched
// on, and a decimal one holds no "#" at all, so both grammars agree on which
// kind of number it is. The rest is exact arithmetic on the same rational.
#include "timetext/direct_literal.h"

#include <array>
#include <cstdint>

#include "integer/wide_words.h"
#include "timetext/digit_runs.h"
#include "timetext/time_units.h"

namespace universaltypes::detail {

namespace {

constexpr std::array<std::uint64_t, 20> kPowersOfTen = [] {
  std::array<std::uint64_t, 20> powers{};
  powers[0] = 1;
  for (std::size_t index = 1; index < powers.size(); ++index) powers[index] = 10 * powers[index - 1];
  return powers;
}();

// Exponents beyond this take the general route: the direct route scales by
// at most 2^64 either way, so it could settle none of them.
constexpr std::uint64_t kLargestExponent = 4096;
// Integers up to here convert to doubles exactly.
constexpr std::uint64_t kExactInDouble = std::uint64_t{1} << 53;

// Femtoseconds per unit as rest * 10^tens: a decimal literal's own power of
// ten joins the unit's, so most literals scale by one product and divide by
// nothing ('0.1 us' is 1 * 10^8 fs). rest * 10^mostTens still fits 64 bits.
struct UnitScale {
  std::uint64_t rest;
  int tens;
  int mostTens;
};
constexpr std::array<UnitScale, kUnitCount> kUnitScales = [] {
  std::array<UnitScale, kUnitCount> scales{};
  for (int unit = 0; unit < kUnitCount; ++unit) {
    UnitScale& scale = scales[static_cast<std::size_t>(unit)];
    scale.tens = TrailingTensOf(Unit(unit).femtoseconds);
    scale.rest = Unit(unit).femtoseconds / kPowersOfTen[static_cast<std::size_t>(scale.tens)];
    scale.mostTens = 0;
    while (scale.mostTens + 1 < static_cast<int>(kPowersOfTen.size()) &&
           scale.rest <= UINT64_MAX / kPowersOfTen[static_cast<std::size_t>(scale.mostTens + 1)]) {
      ++scale.mostTens;
    }
  }
  return scales;
}();

// The first unit whose name starts with each lower-case byte, or kUnitCount.
constexpr std::array<signed char, 256> kFirstUnitByInitial = [] {
  std::array<signed char, 256> units{};
  units.fill(kUnitCount);
  for (int unit = kUnitCount - 1; unit >= 0; --unit) {
    units[static_cast<unsigned char>(Unit(unit).text[0])] = static_cast<signed char>(unit);
  }
  return units;
}();

using Wide = TwoWords;

// Eight decimal digits at text as a number, when all eight are digits: the
// bytes are read as one little-endian word and combined in three steps
// (pairs, quadruples, the eight) instead of eight dependent ones.
bool EightDigits(const char* text, std::uint64_t& number) {
  std::uint64_t word = 0;
  for (int byte = 0; byte < 8; ++byte) {
    word |= std::uint64_t{static_cast<unsigned char>(text[byte])} << (8 * byte);
  }
  constexpr std::uint64_t kHighNibbles = 0xF0F0F0F0F0F0F0F0u;
  constexpr std::uint64_t kZeros = 0x3030303030303030u;
  // Every byte 0x30..0x39: its high nibble is 3, and still 3 after adding 6.
  if ((word & kHighNibbles) != kZeros || ((word + 0x0606060606060606u) & kHighNibbles) != kZeros) {
    return false;
  }
  word -= kZeros;
  word = word * 10 + (word >> 8);  // each 16-bit lane's low byte: two digits
  constexpr std::uint64_t kLanes = 0x000000FF000000FFu;
  number = ((word & kLanes) * (100 + (std::uint64_t{1000000} << 32)) +
            ((word >> 16) & kLanes) * (1 + (std::uint64_t{10000} << 32))) >>
           32;
  return true;
}

// value * base + digit while value is below 2^120, so nothing wraps for any
// base up to 16; false from there on. The low word goes by 32-bit halves,
// each product far below 2^64.
bool MultiplyAddDigit(Wide& value, unsigned base, unsigned digit) {
  if (value.high >> 56 != 0) return false;
  const std::uint64_t lowHalf = (value.low & 0xFFFFFFFFu) * base + digit;
  const std::uint64_t highHalf = (value.low >> 32) * base + (lowHalf >> 32);
  value.low = (highHalf << 32) | (lowHalf & 0xFFFFFFFFu);
  value.high = value.high * base + (highHalf >> 32);
  return true;
}

// value * 10^8 + eight digits while the result stays below 2^120, as the
// digit steps keep it; false otherwise. Nothing wraps: a product past 2^128
// is refused before its words are added.
bool MultiplyAddEightDigits(Wide& value, std::uint64_t power, std::uint64_t addend) {
  const Wide low = FullProduct(value.low, power);
  const Wide high = FullProduct(value.high, power);
  Wide result{low.high + high.low, low.low + addend};
  if (high.high != 0 || result.high < low.high) return false;
  if (result.low < addend && ++result.high == 0) return false;
  if (result.high >> 56 != 0) return false;
  value = result;
  return true;
}

// The literal's value is digits * base^exponent units.
struct ScannedNumber {
  bool negative = false;
  bool based = false;
  unsigned base = 10;
  Wide digits{0, 0};          // integer and fraction digits as one integer
  std::int64_t exponent = 0;  // net of the fraction digits
  int unit = 0;
};

class DirectScanner {
 public:
  explicit DirectScanner(const LiteralText& text) : text_(text) {}

  bool Scan(bool basedDisabled, ScannedNumber& number) {
    SkipSpace();
    return ReadPrefix(basedDisabled, number) && ReadMantissa(number) && ReadExponent(number) &&
           IsAsciiSpace(text_[position_]) && ReadUnit(number.unit);
  }

 private:
  unsigned DigitAt(long index) const { return DigitOf(text_[index]); }

  void SkipSpace() { position_ = universaltypes::detail::SkipSpace(text_, position_); }

  // A sign, or a base of one or two digits and "#"; neither is a decimal
  // number without sign. Refuses the based forms the general grammar reads
  // differently or not at all: leading zeros, no base digit, a base outside
  // 2..16, based literals switched off.
  bool ReadPrefix(bool basedDisabled, ScannedNumber& number) {
    const char first = text_[position_];
    if (first == '-' || first == '+') {
      number.negative = first == '-';
      ++position_;
      return true;
    }
    long index = position_;
    unsigned base = 0;
    // Counted apart from the index, which only ever steps over characters
    // of the text: no sum can pass the largest length.
    for (int digits = 0; digits < 2 && IsAsciiDigit(text_[index]); ++digits, ++index) {
      base = 10 * base + static_cast<unsigned>(text_[index] - '0');
    }
    if (text_[index] != '#') return true;
    if (basedDisabled || first == '0' || base < 2 || base > 16) return false;
    number.based = true;
    number.base = base;
    position_ = index + 1;
    return true;
  }

  bool ReadMantissa(ScannedNumber& number) {
    if (ReadRun(number.base, number.digits) == 0) return false;
    if (text_[position_] == '.') {
      ++position_;
      const int fractionDigits = ReadRun(number.base, number.digits);
      if (fractionDigits == 0) return false;
      number.exponent = -fractionDigits;
    }
    if (!number.based) return true;
    if (text_[position_] != '#') return false;
    ++position_;
    return true;
  }

  bool ReadExponent(ScannedNumber& number) {
    const char mark = text_[position_];
    if (mark != 'e' && mark != 'E') return true;
    const char sign = text_[++position_];
    if (sign == '-' || sign == '+') ++position_;
    Wide exponent{0, 0};
    if (ReadRun(number.base, exponent) == 0 || exponent.high != 0 || exponent.low > kLargestExponent) {
      return false;
    }
    const auto amount = static_cast<std::int64_t>(exponent.low);
    number.exponent += sign == '-' ? -amount : amount;
    return true;
  }

  // Digits of base with single underscores between them, appended to value:
  // the count of digits, or 0 when the run is malformed or value would pass
  // 2^120.
  int ReadRun(unsigned base, Wide& value) {
    // Base 10 as a constant: the digit step, each digit waiting on the one
    // before, is a multiplication by a constant ('parse 28-digit literal').
    return base == 10 ? ReadRunIn<10>(base, value) : ReadRunIn<0>(base, value);
  }

  // Works on copies of value and the position, written back once: the run
  // either ends whole or leaves both as they were.
  template <unsigned kConstantBase>
  int ReadRunIn(unsigned variableBase, Wide& value) {
    const unsigned base = kConstantBase != 0 ? kConstantBase : variableBase;
    Wide accumulated = value;
    long index = position_;
    int count = 0;
    if constexpr (kConstantBase == 10) {
      // Taken apart and returned by value: a call writing through references
      // to these locals would keep them in memory for the whole digit loop.
      if (text_.Span(index, 8) != nullptr) {
        const LeadingDigits leading = ReadLeadingDigits(index, accumulated);
        accumulated = leading.value;
        index += leading.digits;
        count += leading.digits;
      }
    }
    for (;; ++index, ++count) {
      unsigned digit = DigitAt(index);
      // An underscore counts only between digits; left in place otherwise,
      // it fails whatever the caller expects next.
      if (digit >= base && count > 0 && text_[index] == '_' && DigitAt(index + 1) < base) {
        digit = DigitAt(++index);
      }
      if (digit >= base) break;
      // One word while it lasts (below 2^60 no base can wrap it): the digits
      // of nearly every literal.
      if ((accumulated.high | accumulated.low >> 60) == 0) accumulated.low = accumulated.low * base + digit;
      else if (!MultiplyAddDigit(accumulated, base, digit)) return 0;
    }
    value = accumulated;
    position_ = index;
    return count;
  }

  // A run's leading decimal digits eight at a time, while the text has
  // eight digits in a row and value stays below 2^120; a run with an
  // underscore among its first eight characters goes digit by digit.
  struct LeadingDigits {
    Wide value;
    int digits;
  };
  [[gnu::noinline]] LeadingDigits ReadLeadingDigits(long index, Wide value) const {
    constexpr std::uint64_t kEightDigitsPower = 100000000u;
    // Below this a one-word value takes eight more digits within 2^64.
    constexpr std::uint64_t kRoomForEight = 100000000000u;
    int digits = 0;
    std::uint64_t number = 0;
    for (const char* eight = text_.Span(index, 8); eight != nullptr && EightDigits(eight, number);
         eight = text_.Span(index + digits, 8)) {
      if (value.high == 0 && value.low < kRoomForEight) {
        value.low = value.low * kEightDigitsPower + number;
      } else if (!MultiplyAddEightDigits(value, kEightDigitsPower, number)) {
        break;
      }
      digits += 8;
    }
    return {value, digits};
  }

  // A unit name in any case, then nothing but white space. No name begins
  // another, so the first name the text starts with is the only candidate.
  bool ReadUnit(int& unit) {
    SkipSpace();
    const char initial = AsciiLower(text_[position_]);
    for (unit = kFirstUnitByInitial[static_cast<unsigned char>(initial)]; unit < kUnitCount; ++unit) {
      if (Unit(unit).text[0] != initial || !StartsWith(Unit(unit).text)) continue;
      SkipSpace();
      return text_[position_] == '\0';
    }
    return false;
  }

  // Moves past name when the text continues with it, in any case.
  bool StartsWith(const char* name) {
    long index = position_;
    for (; *name != '\0'; ++name, ++index) {
      if (AsciiLower(text_[index]) != *name) return false;
    }
    position_ = index;
    return true;
  }

  const LiteralText& text_;
  long position_ = 0;
};

// v = digits * factor / divisor, with divisor 1 whenever the value is whole
// by the powers alone.
struct Ratio {
  std::uint64_t factor;
  std::uint64_t divisor;
};

bool DecimalRatio(const UnitScale& unit, std::int64_t exponent, Ratio& ratio) {
  const std::int64_t tens = exponent + unit.tens;
  if (tens > unit.mostTens || tens < -static_cast<std::int64_t>(kPowersOfTen.size() - 1)) return false;
  if (tens >= 0) ratio = {unit.rest * kPowersOfTen[static_cast<std::size_t>(tens)], 1};
  else ratio = {unit.rest, kPowersOfTen[static_cast<std::size_t>(-tens)]};
  return true;
}

bool BasedRatio(const UnitScale& unit, unsigned base, std::int64_t exponent, Ratio& ratio) {
  const std::uint64_t femtoseconds = unit.rest * kPowersOfTen[static_cast<std::size_t>(unit.tens)];
  std::uint64_t power = 1;
  for (std::int64_t step = exponent < 0 ? -exponent : exponent; step > 0; --step) {
    if (power > UINT64_MAX / base) return false;
    power *= base;
  }
  if (exponent < 0) {
    ratio = {femtoseconds, power};
    return true;
  }
  const Wide factor = FullProduct(femtoseconds, power);
  ratio = {factor.low, 1};
  return factor.high == 0;
}

bool RatioOf(const ScannedNumber& number, Ratio& ratio) {
  const UnitScale& unit = kUnitScales[static_cast<std::size_t>(number.unit)];
  if (number.base == 10) return DecimalRatio(unit, number.exponent, ratio);
  return BasedRatio(unit, number.base, number.exponent, ratio);
}

bool SettleQuotient(std::uint64_t whole, std::uint64_t rest, std::uint64_t divisor, bool negative,
                    bool analog, DirectLiteralValue& value) {
  if (rest == 0 || !analog) {
    value = {negative && whole != 0, 0, whole, 0.0};
    return true;
  }
  // Both below 2^53: one division rounds the rest correctly. The quotient is
  // at most 1 - 1/divisor <= 1 - 2^-53, itself a double, so it never rounds
  // up to 1.0 and never carries into the ticks.
  if (divisor > kExactInDouble) return false;
  const auto over = [divisor](std::uint64_t numerator) {
    return static_cast<double>(numerator) / static_cast<double>(divisor);
  };
  // floor(-(whole + rest / divisor)) is -(whole + 1), leaving 1 - rest / divisor.
  if (negative) value = {true, 0, whole + 1, over(divisor - rest)};
  else value = {false, 0, whole, over(rest)};
  return true;
}

// Whole ticks digits * factor; from 2^96 on, the general parser reports the
// overflow.
bool SettleProduct(const Wide& digits, std::uint64_t factor, bool negative, DirectLiteralValue& value) {
  const Wide low = FullProduct(digits.low, factor);
  const Wide high = digits.high == 0 ? Wide{0, 0} : FullProduct(digits.high, factor);
  const std::uint64_t middle = low.high + high.low;
  value = {negative, static_cast<std::uint32_t>(middle), low.low, 0.0};
  return high.high == 0 && middle >= low.high && middle >> 32 == 0;
}

bool Settle(const ScannedNumber& number, bool analog, DirectLiteralValue& value) {
  value = {};
  // Zero of either sign and any exponent: +0, offset 0.0.
  if ((number.digits.high | number.digits.low) == 0) return true;
  Ratio ratio{};
  if (!RatioOf(number, ratio)) return false;
  if (ratio.divisor == 1) return SettleProduct(number.digits, ratio.factor, number.negative, value);
  const Wide product = FullProduct(number.digits.low, ratio.factor);
  if (number.digits.high != 0 || product.high != 0) return false;
  return SettleQuotient(product.low / ratio.divisor, product.low % ratio.divisor, ratio.divisor,
                        number.negative, analog, value);
}

}  // namespace

bool TryDirectLiteral(const LiteralText& text, bool basedDisabled, bool analog,
                      DirectLiteralValue& value) {
  ScannedNumber number;
  return DirectScanner(text).Scan(basedDisabled, number) && Settle(number, analog, value);
}

}  // namespace universaltypes::detail
