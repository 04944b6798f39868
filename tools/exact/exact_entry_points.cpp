// The C entry points of the exact layer: each reads its records into exact
// values, computes on them, and writes a record only where the result fits.
#include <cctype>
#include <cstring>
#include <string>

#include "exact_values.h"
#include "literal_extent.h"
#include "universaltypes/time_text.h"

namespace {

constexpr int kOk = 0;
constexpr int kError = 1;
constexpr int kOverflow = 2;

bool IsScaling(int operation) { return operation == UTX_Multiply || operation == UTX_Divide; }

int StoreInteger(const mpz_class& value, UniversalInteger* result) {
  const std::optional<UniversalInteger> record = utx::IntegerRecord(value);
  if (!record) return kOverflow;
  *result = *record;
  return kOk;
}

int StoreTime(const mpq_class& femtoseconds, int analog, UniversalTime* result) {
  const std::optional<UniversalTime> record = utx::TimeRecord(femtoseconds, analog != 0);
  if (!record) return kOverflow;
  *result = *record;
  return kOk;
}

int StoreText(const std::string& text, char* buffer, size_t size) {
  if (buffer == nullptr || text.size() >= size) return kError;
  std::memcpy(buffer, text.c_str(), text.size() + 1);
  return kOk;
}

// operation on two exact values; empty for an unknown operation or a zero
// divisor. Integers know no UTX_Quotient: their UTX_Divide is one.
template <typename Number>
std::optional<Number> Arithmetic(int operation, const Number& left, const Number& right) {
  if constexpr (std::is_same_v<Number, mpz_class>) {
    if (operation < UTX_Divide) {
      const std::optional<mpq_class> value = utx::RationalArithmetic(operation, left, right);
      if (!value) return std::nullopt;
      return value->get_num();
    }
    if (sgn(right) == 0 || operation > UTX_Mod) return std::nullopt;
    Number result;
    if (operation == UTX_Divide) mpz_tdiv_q(result.get_mpz_t(), left.get_mpz_t(), right.get_mpz_t());
    if (operation == UTX_Rem) mpz_tdiv_r(result.get_mpz_t(), left.get_mpz_t(), right.get_mpz_t());
    if (operation == UTX_Mod) mpz_fdiv_r(result.get_mpz_t(), left.get_mpz_t(), right.get_mpz_t());
    return result;
  } else {
    if (operation == UTX_Quotient) return std::nullopt;
    return utx::RationalArithmetic(operation, left, right);
  }
}

int ScaledTime(const UniversalTime* time, int operation, const std::optional<mpq_class>& factor,
               int analog, UniversalTime* result) {
  if (time == nullptr || result == nullptr || !factor || !IsScaling(operation)) return kError;
  const std::optional<mpq_class> scaled =
      Arithmetic(operation, utx::TimeValue(*time, analog != 0), *factor);
  return scaled ? StoreTime(*scaled, analog, result) : kError;
}

}  // namespace

UTX_API int UTX_IntegerArithmetic(int operation, const UniversalInteger* left,
                                  const UniversalInteger* right, UniversalInteger* result) {
  if (left == nullptr || right == nullptr || result == nullptr) return kError;
  const std::optional<mpz_class> value =
      Arithmetic(operation, utx::IntegerValue(*left), utx::IntegerValue(*right));
  return value ? StoreInteger(*value, result) : kError;
}

UTX_API int UTX_IntegerFromText(const char* text, UniversalInteger* result) {
  if (text == nullptr || result == nullptr) return kError;
  const std::optional<mpq_class> value = utx::RationalFromText(text);
  if (!value || value->get_den() != 1) return kError;
  return StoreInteger(value->get_num(), result);
}

UTX_API int UTX_IntegerToText(const UniversalInteger* integer, char* buffer, size_t size) {
  if (integer == nullptr) return kError;
  return StoreText(utx::IntegerValue(*integer).get_str(10), buffer, size);
}

UTX_API int UTX_TimeFromFemtoseconds(const char* rational, int analog, UniversalTime* result) {
  if (rational == nullptr || result == nullptr) return kError;
  const std::optional<mpq_class> value = utx::RationalFromText(rational);
  return value ? StoreTime(*value, analog, result) : kError;
}

UTX_API int UTX_TimeToFemtoseconds(const UniversalTime* time, int analog, char* buffer,
                                   size_t size) {
  if (time == nullptr) return kError;
  return StoreText(utx::RationalText(utx::TimeValue(*time, analog != 0)), buffer, size);
}

UTX_API int UTX_TimeArithmetic(int operation, const UniversalTime* left,
                               const UniversalTime* right, int analog, UniversalTime* result) {
  if (left == nullptr || right == nullptr || result == nullptr || IsScaling(operation) ||
      operation == UTX_Quotient)
    return kError;
  const std::optional<mpq_class> value = Arithmetic(operation, utx::TimeValue(*left, analog != 0),
                                                    utx::TimeValue(*right, analog != 0));
  return value ? StoreTime(*value, analog, result) : kError;
}

UTX_API int UTX_TimeQuotient(const UniversalTime* left, const UniversalTime* right, int analog,
                             UniversalInteger* result) {
  if (left == nullptr || right == nullptr || result == nullptr) return kError;
  const std::optional<mpq_class> quotient = Arithmetic(
      UTX_Divide, utx::TimeValue(*left, analog != 0), utx::TimeValue(*right, analog != 0));
  if (!quotient) return kError;
  mpz_class truncated;
  mpz_tdiv_q(truncated.get_mpz_t(), quotient->get_num_mpz_t(), quotient->get_den_mpz_t());
  return StoreInteger(truncated, result);
}

UTX_API int UTX_TimeScaledByInteger(const UniversalTime* time, int operation,
                                    const UniversalInteger* factor, int analog,
                                    UniversalTime* result) {
  if (factor == nullptr) return kError;
  return ScaledTime(time, operation, mpq_class(utx::IntegerValue(*factor)), analog, result);
}

UTX_API int UTX_TimeScaledByRational(const UniversalTime* time, int operation,
                                     const char* factor, int analog, UniversalTime* result) {
  if (factor == nullptr) return kError;
  return ScaledTime(time, operation, utx::RationalFromText(factor), analog, result);
}

namespace {

// One time literal, surrounding spaces allowed: its record and where it
// stands in text, or the status and the column of the refusal.
int ParsedLiteral(std::string_view line, UniversalTime& time, std::string_view& literal,
                  size_t* column) {
  std::size_t start = 0;
  while (start < line.size() && utx::IsLiteralSpace(line[start])) ++start;
  const std::size_t end = std::isalpha(static_cast<unsigned char>(start < line.size() ? line[start] : '\0'))
                              ? utx::WordEnd(line, start)
                              : utx::TimeLiteralEnd(line, utx::NumberEnd(line, start));
  std::size_t rest = end;
  while (rest < line.size() && utx::IsLiteralSpace(line[rest])) ++rest;
  const auto refuse = [&](std::size_t index) {
    if (column != nullptr) *column = index + 1;
    return kError;
  };
  if (end == start || rest != line.size()) return refuse(end == start ? start : rest);
  literal = line.substr(start, end - start);
  UTypes_StatusCode status = UTypes_OK;
  try {
    time = TimeValueFromTimeString(std::string(literal).c_str(), status);
  } catch (const UTypes_StatusCodeException&) {
    return kOverflow;
  }
  return status == UTypes_OK ? kOk : refuse(start);
}

}  // namespace

UTX_API int UTX_ParseTimeLiteral(const char* text, size_t length, UniversalTime* result,
                                 size_t* column) {
  if (text == nullptr || result == nullptr) return kError;
  UniversalTime time;
  std::string_view literal;
  const int status = ParsedLiteral(std::string_view(text, length), time, literal, column);
  if (status == kOk) *result = time;
  return status;
}

UTX_API int UTX_LiteralFemtoseconds(const char* text, size_t length, int analog, char* buffer,
                                    size_t size, size_t* column) {
  if (text == nullptr) return kError;
  UniversalTime time;
  std::string_view literal;
  const int status = ParsedLiteral(std::string_view(text, length), time, literal, column);
  if (status != kOk) return status;
  const std::optional<mpq_class> value = utx::LiteralFemtoseconds(literal, time, analog != 0);
  if (!value) return kError;
  if (!utx::IsWithinRange(*value)) return kOverflow;
  return StoreText(utx::RationalText(*value), buffer, size);
}

UTX_API int UTX_RationalArithmetic(int operation, const char* left, const char* right,
                                   char* buffer, size_t size) {
  if (left == nullptr || right == nullptr) return kError;
  const std::optional<mpq_class> a = utx::RationalFromText(left);
  const std::optional<mpq_class> b = utx::RationalFromText(right);
  if (!a || !b) return kError;
  const std::optional<mpq_class> value = utx::RationalArithmetic(operation, *a, *b);
  if (!value) return kError;
  if (!utx::IsWithinRange(*value)) return kOverflow;
  return StoreText(utx::RationalText(*value), buffer, size);
}

UTX_API int UTX_FemtosecondImage(const UniversalTime* time, int analog, char* buffer,
                                 size_t size) {
  if (time == nullptr) return kError;
  const mpq_class value = utx::TimeValue(*time, analog != 0);
  mpz_class ticks;
  mpz_fdiv_q(ticks.get_mpz_t(), value.get_num_mpz_t(), value.get_den_mpz_t());
  const mpq_class rest = value - ticks;
  std::string image = ticks.get_str(10) + " fs";
  if (sgn(rest) != 0) image += " + " + utx::DecimalText(rest) + " fs";
  return StoreText(image, buffer, size);
}
