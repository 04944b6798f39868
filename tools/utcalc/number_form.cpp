#include "number_form.h"

#include <cctype>
#include <cstdlib>
#include <string_view>

namespace utcalc {

namespace {

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }
char At(std::string_view text, std::size_t index) { return index < text.size() ? text[index] : '\0'; }

// A number in scientific form within an image: mantissa digits with an
// optional point, 'e' or 'E', an optional sign, exponent digits. The 'e'
// of "sec" follows a letter and is no exponent.
struct Scientific {
  std::size_t start = 0, end = 0;  // in the image
  std::string digits;              // the mantissa's, without its point
  long pointAfter = 0;             // digits before the point
  long exponent = 0;
};

bool ReadScientific(std::string_view image, std::size_t e, Scientific& number) {
  if (e == 0 || !IsDigit(image[e - 1])) return false;
  std::size_t exponentStart = e + 1 + (At(image, e + 1) == '+' || At(image, e + 1) == '-');
  if (!IsDigit(At(image, exponentStart))) return false;
  number.end = exponentStart;
  while (IsDigit(At(image, number.end))) ++number.end;
  number.start = e;
  while (number.start > 0 && (IsDigit(image[number.start - 1]) || image[number.start - 1] == '.')) {
    --number.start;
  }
  const std::string_view mantissa = image.substr(number.start, e - number.start);
  number.pointAfter = static_cast<long>(std::min(mantissa.find('.'), mantissa.size()));
  for (const char c : mantissa) {
    if (IsDigit(c)) number.digits += c;
  }
  // Exponents of doubles have at most three digits; longer ones are left be.
  if (number.end - exponentStart > 4) return false;
  number.exponent = std::strtol(std::string(image.substr(exponentStart, number.end - exponentStart)).c_str(),
                                nullptr, 10);
  if (At(image, e + 1) == '-') number.exponent = -number.exponent;
  return true;
}

// One digit before the point, no trailing zeros after it, the exponent
// with its sign and without leading zeros: 36e+11 -> 3.6e+12, 1e-09 -> 1e-9.
std::string Written(Scientific number) {
  const std::size_t first = number.digits.find_first_not_of('0');
  if (first == std::string::npos) return "0e" + std::string(number.exponent < 0 ? "-" : "+") +
                                         std::to_string(std::labs(number.exponent));
  number.exponent += number.pointAfter - static_cast<long>(first) - 1;
  std::string mantissa = number.digits.substr(first);
  while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();
  if (mantissa.size() > 1) mantissa.insert(1, 1, '.');
  return mantissa + (number.exponent < 0 ? "e-" : "e+") + std::to_string(std::labs(number.exponent));
}

void NormaliseExponents(std::string& image) {
  for (std::size_t e = image.find_first_of("eE"); e != std::string::npos;
       e = image.find_first_of("eE", e + 1)) {
    Scientific number;
    if (!ReadScientific(image, e, number)) continue;
    const std::string written = Written(number);
    image.replace(number.start, number.end - number.start, written);
    e = number.start + written.size() - 1;
  }
}

void DropSignOfNan(std::string& image) {
  for (std::size_t nan = image.find("nan"); nan != std::string::npos; nan = image.find("nan", nan + 1)) {
    if (nan > 0 && (image[nan - 1] == '-' || image[nan - 1] == '+')) image.erase(--nan, 1);
  }
}

}  // namespace

std::string InOneNumberForm(std::string image) {
  NormaliseExponents(image);
  DropSignOfNan(image);
  return image;
}

}  // namespace utcalc
