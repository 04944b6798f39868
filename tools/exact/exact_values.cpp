#include "exact_values.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>

#include "literal_extent.h"
#include "timetext/digit_runs.h"
#include "timetext/unit_table.h"
#include "universaltypes/time_text.h"

namespace utx {

namespace {

// The record layouts as the flat interface writes them.
struct IntegerLayout {
  std::int16_t sign;
  std::int16_t digitCount;
  std::uint32_t words[3];
};
static_assert(sizeof(IntegerLayout) == sizeof(UniversalInteger));
static_assert(std::is_trivially_copyable_v<UniversalInteger>);
static_assert(std::is_trivially_copyable_v<UniversalTime>);
constexpr std::size_t kOffsetPosition = 16;
constexpr int kMaximumExponent = 5000;

IntegerLayout LayoutOf(const UniversalInteger& integer) {
  IntegerLayout layout;
  std::memcpy(&layout, &integer, sizeof layout);
  return layout;
}

mpz_class Floor(const mpq_class& value) {
  mpz_class result;
  mpz_fdiv_q(result.get_mpz_t(), value.get_num_mpz_t(), value.get_den_mpz_t());
  return result;
}

mpz_class Truncated(const mpq_class& value) {
  mpz_class result;
  mpz_tdiv_q(result.get_mpz_t(), value.get_num_mpz_t(), value.get_den_mpz_t());
  return result;
}

UniversalTime TimeOf(const UniversalInteger& ticks, double offset) {
  UniversalTime time;
  std::memcpy(static_cast<void*>(&time), &ticks, sizeof ticks);
  offset += 0.0;  // a zero offset is +0.0
  std::memcpy(reinterpret_cast<unsigned char*>(&time) + kOffsetPosition, &offset, sizeof offset);
  return time;
}

double OffsetOf(const UniversalTime& time) {
  double offset;
  std::memcpy(&offset, reinterpret_cast<const unsigned char*>(&time) + kOffsetPosition,
              sizeof offset);
  return offset;
}

// floor(n * 2^shift / d) and whether the rest is above, at or below half.
int QuotientAndHalf(const mpz_class& n, const mpz_class& d, long shift, mpz_class& quotient) {
  mpz_class scaledN = n, scaledD = d;
  if (shift >= 0) {
    scaledN <<= shift;
  } else {
    scaledD <<= -shift;
  }
  mpz_class rest;
  mpz_fdiv_qr(quotient.get_mpz_t(), rest.get_mpz_t(), scaledN.get_mpz_t(), scaledD.get_mpz_t());
  return cmp(mpz_class(rest * 2), scaledD);
}

// Digits with nothing else, from index; the index past them.
std::size_t DigitsEnd(std::string_view text, std::size_t index) {
  while (index < text.size() && text[index] >= '0' && text[index] <= '9') ++index;
  return index;
}

std::optional<long> Exponent(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  if (text.empty() || DigitsEnd(text, 0) != text.size()) return std::nullopt;
  long exponent = 0;
  for (const char c : text) {
    exponent = exponent * 10 + (c - '0');
    if (exponent > kMaximumExponent) return std::nullopt;
  }
  return negative ? -exponent : exponent;
}

mpq_class PowerOfTen(long exponent) {
  mpz_class power;
  mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(exponent < 0 ? -exponent : exponent));
  return exponent < 0 ? mpq_class(mpz_class(1), power) : mpq_class(power);
}

std::optional<mpq_class> DecimalFromText(std::string_view text, std::size_t integerEnd) {
  std::string digits(text.substr(0, integerEnd));
  std::size_t index = integerEnd;
  long exponent = 0;
  if (index < text.size() && text[index] == '.') {
    const std::size_t fractionEnd = DigitsEnd(text, index + 1);
    if (fractionEnd == index + 1) return std::nullopt;
    digits += text.substr(index + 1, fractionEnd - index - 1);
    exponent = -static_cast<long>(fractionEnd - index - 1);
    index = fractionEnd;
  }
  if (index < text.size() && (text[index] == 'e' || text[index] == 'E')) {
    const std::optional<long> written = Exponent(text.substr(index + 1));
    if (!written) return std::nullopt;
    exponent += *written;
    index = text.size();
  }
  if (index != text.size() || exponent < -2 * kMaximumExponent) return std::nullopt;
  return mpq_class(mpz_class(digits, 10)) * PowerOfTen(exponent);
}

// Digits in base from index up to a character that is none ('_' groups
// them); the index past them.
std::size_t BasedDigits(std::string_view text, std::size_t index, int base, mpz_class& value,
                        long& count) {
  for (; index < text.size(); ++index) {
    if (text[index] == '_') continue;
    const unsigned digit = universaltypes::detail::DigitOf(text[index]);
    if (digit >= static_cast<unsigned>(base)) break;
    value = value * base + digit;
    ++count;
  }
  return index;
}

// "base#digits[.digits]#[E[+-]digits]", the exponent a power of the base
// written in the base: the value it spells; empty for other text.
std::optional<mpq_class> BasedNumberValue(std::string_view text) {
  const std::size_t hash = text.find('#');
  if (hash == std::string_view::npos || DigitsEnd(text, 0) != hash) return std::nullopt;
  // Leading zeros, then at most two digits; none at all is base 10 ('#12#'
  // and '0#12#' alike).
  const std::size_t zeros = text.find_first_not_of('0');
  if (hash - zeros > 2) return std::nullopt;
  const int base = zeros == hash ? 10 : std::stoi(std::string(text.substr(zeros, hash - zeros)));
  if (base < 2 || base > 16) return std::nullopt;
  mpz_class mantissa = 0;
  long integerDigits = 0, places = 0;
  std::size_t index = BasedDigits(text, hash + 1, base, mantissa, integerDigits);
  if (index < text.size() && text[index] == '.') {
    index = BasedDigits(text, index + 1, base, mantissa, places);
  }
  if (index >= text.size() || text[index] != '#') return std::nullopt;
  long exponent = 0;
  if (++index < text.size() && (text[index] == 'e' || text[index] == 'E')) {
    const bool negative = ++index < text.size() && text[index] == '-';
    if (index < text.size() && (text[index] == '-' || text[index] == '+')) ++index;
    mpz_class written = 0;
    long count = 0;
    index = BasedDigits(text, index, base, written, count);
    if (count == 0 || written > kMaximumExponent) return std::nullopt;
    exponent = negative ? -written.get_si() : written.get_si();
  }
  if (index != text.size()) return std::nullopt;
  mpz_class power;
  mpz_ui_pow_ui(power.get_mpz_t(), static_cast<unsigned long>(base),
                static_cast<unsigned long>(exponent < places ? places - exponent : exponent - places));
  mpq_class value = exponent < places ? mpq_class(mantissa, power) : mpq_class(mantissa * power);
  value.canonicalize();
  return value;
}

// The size of a unit the library's parser read, from the unit table.
std::optional<mpq_class> UnitFemtoseconds(std::string_view name) {
  const int unit = TimeUnitNamed(name);
  if (unit < 0) return std::nullopt;
  return mpq_class(mpz_class(std::to_string(universaltypes::detail::kUnits[unit].femtoseconds)));
}

}  // namespace

bool IsDecimalLiteral(std::string_view text) {
  using universaltypes::detail::LiteralText;
  using universaltypes::detail::ScanDigitRun;
  // A NUL inside, or a text too long for the library's view, is no literal.
  if (text.size() >= 0x7FFFFFFF) return false;
  const LiteralText literal(text.data(), static_cast<int>(text.size()));
  const long end = literal.length();
  if (static_cast<std::size_t>(end) != text.size()) return false;
  UTypes_StatusCode status = UTypes_OK;
  long index = 0;
  ScanDigitRun(literal, 10, index, end, status);
  if (literal[index] == '.') ScanDigitRun(literal, 10, ++index, end, status);
  if (literal[index] == 'e' || literal[index] == 'E') {
    ++index;
    if (literal[index] == '+' || literal[index] == '-') ++index;
    ScanDigitRun(literal, 10, index, end, status);
  }
  return status == UTypes_OK && index == end;
}

mpz_class IntegerValue(const UniversalInteger& integer) {
  const IntegerLayout layout = LayoutOf(integer);
  mpz_class value;
  mpz_import(value.get_mpz_t(), 3, -1, sizeof(std::uint32_t), 0, 0, layout.words);
  return layout.sign < 0 ? mpz_class(-value) : value;
}

std::optional<UniversalInteger> IntegerRecord(const mpz_class& value) {
  const mpz_class magnitude = abs(value);
  const std::size_t bits = magnitude == 0 ? 0 : mpz_sizeinbase(magnitude.get_mpz_t(), 2);
  if (bits > 96) return std::nullopt;
  IntegerLayout layout{value < 0 ? std::int16_t{-1} : std::int16_t{1},
                       static_cast<std::int16_t>((bits + 15) / 16), {0, 0, 0}};
  mpz_export(layout.words, nullptr, -1, sizeof(std::uint32_t), 0, 0, magnitude.get_mpz_t());
  UniversalInteger integer;
  std::memcpy(static_cast<void*>(&integer), &layout, sizeof layout);
  return integer;
}

mpq_class TimeValue(const UniversalTime& time, bool analog) {
  UniversalInteger ticks;
  std::memcpy(static_cast<void*>(&ticks), &time, sizeof ticks);
  mpq_class value(IntegerValue(ticks));
  const double offset = OffsetOf(time);
  if (analog && std::isfinite(offset)) value += mpq_class(offset);
  return value;
}

std::optional<UniversalTime> TimeRecord(const mpq_class& femtoseconds, bool analog) {
  mpz_class ticks = analog ? Floor(femtoseconds) : Truncated(femtoseconds);
  double offset = 0.0;
  if (analog) {
    offset = NearestDouble(femtoseconds - ticks);
    if (offset == 1.0) {
      ++ticks;
      offset = 0.0;
    }
  }
  const std::optional<UniversalInteger> record = IntegerRecord(ticks);
  if (!record) return std::nullopt;
  return TimeOf(*record, offset);
}

double NearestDouble(const mpq_class& value) {
  if (sgn(value) <= 0) return 0.0;
  const mpz_class& n = value.get_num();
  const mpz_class& d = value.get_den();
  long shift = 53 - (static_cast<long>(mpz_sizeinbase(n.get_mpz_t(), 2)) -
                     static_cast<long>(mpz_sizeinbase(d.get_mpz_t(), 2)));
  const mpz_class low = mpz_class(1) << 52, high = mpz_class(1) << 53;
  mpz_class mantissa;
  int half = QuotientAndHalf(n, d, shift, mantissa);
  if (mantissa >= high) half = QuotientAndHalf(n, d, --shift, mantissa);
  if (mantissa < low) half = QuotientAndHalf(n, d, ++shift, mantissa);
  // Below the smallest normal double the spacing stays 2^-1074.
  if (shift > 1074) half = QuotientAndHalf(n, d, shift = 1074, mantissa);
  if (half > 0 || (half == 0 && mpz_odd_p(mantissa.get_mpz_t()))) ++mantissa;
  return std::ldexp(mantissa.get_d(), static_cast<int>(-shift));
}

std::optional<mpq_class> RationalFromText(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  const std::size_t integerEnd = DigitsEnd(text, 0);
  if (integerEnd == 0) return std::nullopt;
  std::optional<mpq_class> value;
  if (integerEnd < text.size() && text[integerEnd] == '/') {
    const std::string_view denominator = text.substr(integerEnd + 1);
    if (denominator.empty() || DigitsEnd(denominator, 0) != denominator.size()) return std::nullopt;
    const mpz_class q(std::string(denominator), 10);
    if (q == 0) return std::nullopt;
    value = mpq_class(mpz_class(std::string(text.substr(0, integerEnd)), 10), q);
    value->canonicalize();
  } else {
    value = DecimalFromText(text, integerEnd);
  }
  if (value && negative) *value = -*value;
  return value;
}

std::string RationalText(const mpq_class& value) { return value.get_str(10); }

std::string DecimalText(const mpq_class& value) {
  mpz_class rest = value.get_den();
  const unsigned long twos = mpz_scan1(rest.get_mpz_t(), 0);
  rest >>= twos;
  unsigned long fives = 0;
  while (mpz_divisible_ui_p(rest.get_mpz_t(), 5)) {
    rest /= 5;
    ++fives;
  }
  if (rest != 1) return RationalText(value);
  const unsigned long places = twos > fives ? twos : fives;
  mpz_class scale;
  mpz_ui_pow_ui(scale.get_mpz_t(), 10, places);
  const mpz_class scaled = abs(value.get_num()) * scale / value.get_den();
  std::string digits = scaled.get_str(10);
  if (digits.size() <= places) digits.insert(0, places + 1 - digits.size(), '0');
  std::string fraction = digits.substr(digits.size() - places);
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  std::string image = sgn(value) < 0 ? "-" : "";
  image.append(digits, 0, digits.size() - places);
  if (!fraction.empty()) image.append(".").append(fraction);
  return image;
}

std::optional<mpq_class> RationalArithmetic(int operation, const mpq_class& left,
                                           const mpq_class& right) {
  switch (operation) {
    case UTX_Add: return mpq_class(left + right);
    case UTX_Subtract: return mpq_class(left - right);
    case UTX_Multiply: return mpq_class(left * right);
    default: break;
  }
  if (sgn(right) == 0 || operation < UTX_Divide || operation > UTX_Quotient) return std::nullopt;
  if (operation == UTX_Divide) return mpq_class(left / right);
  if (operation == UTX_Quotient) return mpq_class(Truncated(left / right));
  return RationalRemainder(left, right, operation == UTX_Mod);
}

bool IsWithinRange(const mpq_class& value) {
  static const mpq_class kLargest = mpq_class(mpz_class(1) << 96) - 1;
  return mpz_sizeinbase(value.get_den_mpz_t(), 2) <= UTX_MOST_DENOMINATOR_BITS &&
         abs(value) <= kLargest;
}

std::optional<mpq_class> DecimalLiteralValue(std::string_view number) {
  if (!IsDecimalLiteral(number)) return std::nullopt;
  std::string digits;
  for (const char c : number) {
    if (c != '_') digits += c;
  }
  return RationalFromText(digits);
}

std::optional<mpq_class> LiteralFemtoseconds(std::string_view literal, const UniversalTime& record,
                                             bool analog) {
  std::size_t space = 0;
  while (space < literal.size() && !IsLiteralSpace(literal[space])) ++space;
  std::size_t unit = space;
  while (unit < literal.size() && IsLiteralSpace(literal[unit])) ++unit;
  if (unit == literal.size()) return TimeValue(record, analog);
  const std::string_view number = literal.substr(0, space);
  const std::optional<mpq_class> unitSize = UnitFemtoseconds(literal.substr(unit));
  if (!unitSize) return std::nullopt;
  std::optional<mpq_class> value;
  if (IsDecimalLiteral(number)) {
    value = DecimalLiteralValue(number);
    if (!value) return std::nullopt;
    *value *= *unitSize;
  } else {
    // A based number as written (3#0.1# fs is 1/3 fs, not the double nearest
    // it), checked against the library's record of it. No value where the
    // two part (an exponent past the bound): the record alone would be a
    // rounded answer given as exact.
    value = BasedNumberValue(number);
    if (!value) return std::nullopt;
    *value *= *unitSize;
    const std::optional<UniversalTime> agreed = TimeRecord(*value, analog);
    if (!agreed || TimeValue(*agreed, analog) != TimeValue(record, analog)) return std::nullopt;
  }
  return analog ? *value : mpq_class(Truncated(*value));
}

mpq_class RationalRemainder(const mpq_class& dividend, const mpq_class& divisor, bool modulo) {
  const mpq_class quotient = dividend / divisor;
  return dividend - divisor * mpq_class(modulo ? Floor(quotient) : Truncated(quotient));
}

}  // namespace utx
