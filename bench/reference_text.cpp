#include "reference_text.h"

#include <cstring>

namespace bench {

namespace {

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";
constexpr std::uint64_t kTenToThe19 = 10000000000000000000ull;

constexpr const char* kUnitNames[kReferenceUnitCount] = {"fs", "ps", "ns", "us", "ms", "sec", "min", "hr"};
constexpr std::uint64_t kUnitFemtoseconds[kReferenceUnitCount] = {
    1ull, 1000ull, 1000000ull, 1000000000ull, 1000000000000ull, 1000000000000000ull, 60000000000000000ull,
    3600000000000000000ull};
// Decimal places of a unit's fraction of a femtosecond count, fs up to sec.
constexpr int kUnitDecimals[kReferenceUnitCount] = {0, 3, 6, 9, 12, 15, 0, 0};

// Exactly `width` digits of value, leading zeros included, ending at end.
void WriteDigitsBackward(std::uint64_t value, int width, char* end) {
  for (; width >= 2; width -= 2) {
    end -= 2;
    std::memcpy(end, kDigitPairs + 2 * (value % 100), 2);
    value /= 100;
  }
  if (width == 1) *--end = static_cast<char>('0' + value % 10);
}

int DecimalLength(std::uint64_t value) {
  int length = 1;
  for (std::uint64_t bound = 10; length < 20 && value >= bound; bound *= 10) ++length;
  return length;
}

char* WriteUint64(std::uint64_t value, char* out) {
  const int length = DecimalLength(value);
  WriteDigitsBackward(value, length, out + length);
  return out + length;
}

char* WriteText(const char* text, char* out) {
  const std::size_t length = std::strlen(text);
  std::memcpy(out, text, length);
  return out + length;
}

// The digits of whole; more than six trailing zeros become "e+N".
char* WriteCompacted(Uint128 whole, char* out) {
  char* const begin = out;
  char* end = WriteDecimal(whole, out);
  int zeros = 0;
  while (end - zeros - 1 > begin && end[-zeros - 1] == '0') ++zeros;
  if (zeros <= 6) return end;
  end -= zeros;
  *end++ = 'e';
  *end++ = '+';
  return WriteUint64(static_cast<std::uint64_t>(zeros), end);
}

// The digits of rest / 10^decimals (0 < rest < 10^decimals) after the point,
// trailing zeros dropped; returns the end and the number of significant digits.
char* WriteFraction(std::uint64_t rest, int decimals, char* out, int& significant) {
  WriteDigitsBackward(rest, decimals, out + decimals);
  char* end = out + decimals;
  while (end[-1] == '0') --end;
  significant = static_cast<int>(end - out) - (decimals - DecimalLength(rest));
  return end;
}

// A fraction with no whole units, as "%g" shows it: "0.00025", or "1.5e-06"
// below 0.0001.
char* WriteSmallFraction(std::uint64_t rest, int decimals, char* out) {
  const int exponent = DecimalLength(rest) - decimals - 1;
  if (exponent >= -4) {
    *out++ = '0';
    *out++ = '.';
    int significant = 0;
    return WriteFraction(rest, decimals, out, significant);
  }
  char digits[24];
  int significant = 0;
  WriteFraction(rest, decimals, digits, significant);
  const char* first = digits + decimals - DecimalLength(rest);
  *out++ = first[0];
  if (significant > 1) {
    *out++ = '.';
    std::memcpy(out, first + 1, static_cast<std::size_t>(significant - 1));
    out += significant - 1;
  }
  *out++ = 'e';
  *out++ = '-';
  WriteDigitsBackward(static_cast<std::uint64_t>(-exponent), 2, out + 2);
  return out + 2;
}

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
const char* SkipSpace(const char* p) {
  while (IsSpace(*p)) ++p;
  return p;
}

int DigitValue(char c, unsigned base) {
  int value = 16;
  if (c >= '0' && c <= '9') value = c - '0';
  else if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
  return value < static_cast<int>(base) ? value : -1;
}

// A run of digits with single underscores between them, accumulated into
// value; false when malformed or past 128 bits.
bool ReadRun(const char*& p, unsigned base, Uint128& value, int& digits) {
  digits = 0;
  bool afterUnderscore = true;  // a leading underscore is malformed too
  for (;; ++p) {
    if (*p == '_') {
      if (afterUnderscore) return false;
      afterUnderscore = true;
      continue;
    }
    const int digit = DigitValue(*p, base);
    if (digit < 0) break;
    if (__builtin_mul_overflow(value, base, &value) || __builtin_add_overflow(value, digit, &value)) return false;
    ++digits;
    afterUnderscore = false;
  }
  return digits > 0 && !afterUnderscore;
}

int ReadUnit(const char*& p) {
  for (int unit = 0; unit < kReferenceUnitCount; ++unit) {
    const std::size_t length = std::strlen(kUnitNames[unit]);
    std::size_t matched = 0;
    while (matched < length && (p[matched] | 0x20) == kUnitNames[unit][matched]) ++matched;
    if (matched == length && (p[length] == '\0' || IsSpace(p[length]))) {
      p += length;
      return unit;
    }
  }
  return -1;
}

// The digits read from a literal: value = mantissa * base^exponent units.
struct LiteralParts {
  bool negative = false;
  unsigned base = 10;
  Uint128 mantissa = 0;
  long exponent = 0;
  int unit = 0;
};

bool ReadParts(const char* p, LiteralParts& parts) {
  p = SkipSpace(p);
  const bool hasSign = *p == '-' || *p == '+';
  if (hasSign) parts.negative = *p++ == '-';
  int digits = 0;
  if (!ReadRun(p, 10, parts.mantissa, digits)) return false;
  const bool based = *p == '#';
  if (based) {
    if (hasSign || parts.mantissa < 2 || parts.mantissa > 16) return false;
    parts.base = static_cast<unsigned>(parts.mantissa);
    parts.mantissa = 0;
    ++p;
    if (!ReadRun(p, parts.base, parts.mantissa, digits)) return false;
  }
  if (*p == '.') {
    ++p;
    if (!ReadRun(p, parts.base, parts.mantissa, digits)) return false;
    parts.exponent = -digits;
  }
  if (based && *p++ != '#') return false;
  if (*p == 'e' || *p == 'E') {
    ++p;
    const bool negativeExponent = *p == '-';
    if (*p == '-' || *p == '+') ++p;
    Uint128 exponent = 0;
    if (!ReadRun(p, parts.base, exponent, digits) || exponent > 4000) return false;
    parts.exponent += negativeExponent ? -static_cast<long>(exponent) : static_cast<long>(exponent);
  }
  if (!IsSpace(*p)) return false;
  p = SkipSpace(p);
  parts.unit = ReadUnit(p);
  return parts.unit >= 0 && *SkipSpace(p) == '\0';
}

// mantissa * unit * base^exponent: the floor in the ticks, the rest over
// base^-exponent (at most 2^53, so one division rounds it) in the offset.
ParsedTime ExactValue(const LiteralParts& parts) {
  Uint128 scaled = 0;
  if (__builtin_mul_overflow(parts.mantissa, kUnitFemtoseconds[parts.unit], &scaled)) return {};
  std::uint64_t denominator = 1;
  for (long step = 0; step < parts.exponent; ++step) {
    if (__builtin_mul_overflow(scaled, parts.base, &scaled)) return {};
  }
  for (long step = parts.exponent; step < 0; ++step) {
    if (denominator > (std::uint64_t{1} << 53) / parts.base) return {};
    denominator *= parts.base;
  }
  const Uint128 whole = scaled / denominator;
  const auto rest = static_cast<std::uint64_t>(scaled % denominator);
  if (whole + (rest != 0 ? 1 : 0) > kMax96) return {};
  const auto ticks = static_cast<Int128>(whole);
  if (!parts.negative) return {Int128Time::Normalized(ticks, static_cast<double>(rest) / static_cast<double>(denominator)), true};
  // floor(-v) is -(whole + 1) with offset 1 - fraction.
  if (rest == 0) return {Int128Time::Normalized(-ticks, 0.0), true};
  return {Int128Time::Normalized(-ticks - 1, static_cast<double>(denominator - rest) / static_cast<double>(denominator)),
          true};
}

}  // namespace

char* WriteDecimal(Uint128 magnitude, char* out) {
  if ((magnitude >> 64) == 0) return WriteUint64(static_cast<std::uint64_t>(magnitude), out);
  // Below 2^96, the part above 10^19 fits 64 bits.
  const auto high = static_cast<std::uint64_t>(magnitude / kTenToThe19);
  const auto low = static_cast<std::uint64_t>(magnitude - static_cast<Uint128>(high) * kTenToThe19);
  out = WriteUint64(high, out);
  WriteDigitsBackward(low, 19, out + 19);
  return out + 19;
}

char* WriteDecimalImage(const Int128Integer& value, char* out) {
  if (value.negative()) *out++ = '-';
  out = WriteDecimal(value.magnitude(), out);
  *out = '\0';
  return out;
}

char* WriteHexImage(const Int128Integer& value, char* out) {
  static constexpr char kHexDigits[] = "0123456789abcdef";
  if (value.negative()) *out++ = '-';
  for (int shift = 92; shift >= 0; shift -= 4) *out++ = kHexDigits[static_cast<unsigned>(value.magnitude() >> shift) & 0xFu];
  *out = '\0';
  return out;
}

ParsedTime ParseTimeLiteral(const char* text) {
  LiteralParts parts;
  if (!ReadParts(text, parts)) return {};
  return ExactValue(parts);
}

char* WriteTimeImage(Int128 ticks, int unit, char* out) {
  if (ticks < 0) *out++ = '-';
  const Uint128 magnitude = MagnitudeOf(ticks);
  const std::uint64_t size = kUnitFemtoseconds[unit];
  Uint128 whole = 0;
  std::uint64_t rest = 0;
  if ((magnitude >> 64) == 0) {
    whole = static_cast<std::uint64_t>(magnitude) / size;
    rest = static_cast<std::uint64_t>(magnitude) % size;
  } else {
    whole = magnitude / size;
    rest = static_cast<std::uint64_t>(magnitude % size);
  }
  if (rest == 0) {
    out = WriteCompacted(whole, out);
  } else if (whole == 0) {
    out = WriteSmallFraction(rest, kUnitDecimals[unit], out);
  } else {
    out = WriteDecimal(whole, out);
    *out++ = '.';
    int significant = 0;
    out = WriteFraction(rest, kUnitDecimals[unit], out, significant);
  }
  *out++ = ' ';
  out = WriteText(kUnitNames[unit], out);
  *out = '\0';
  return out;
}

char* WriteTimeImageInAutomaticUnit(Int128 ticks, char* out) {
  const Uint128 magnitude = MagnitudeOf(ticks);
  int unit = 0;
  while (unit < 5 && magnitude >= kUnitFemtoseconds[unit + 1]) ++unit;
  return WriteTimeImage(ticks, unit, out);
}

}  // namespace bench
