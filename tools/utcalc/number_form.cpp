#include "number_form.h"

#include <algorithm>
#include <cctype>

namespace utcalc {

namespace {

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }
char At(const std::string& text, std::size_t index) { return index < text.size() ? text[index] : '\0'; }

// An exponent is an 'e' or 'E' after a digit, before a digit or a signed
// digit; the 'e' of "sec" follows a letter and is left alone.
std::size_t ExponentDigits(const std::string& image, std::size_t e) {
  if (e == 0 || !IsDigit(image[e - 1])) return std::string::npos;
  const std::size_t digits = e + 1 + (At(image, e + 1) == '+' || At(image, e + 1) == '-');
  return IsDigit(At(image, digits)) ? digits : std::string::npos;
}

void NormaliseExponents(std::string& image) {
  for (std::size_t e = image.find_first_of("eE"); e != std::string::npos;
       e = image.find_first_of("eE", e + 1)) {
    std::size_t digits = ExponentDigits(image, e);
    if (digits == std::string::npos) continue;
    if (digits == e + 1) image.insert(digits++, 1, '+');
    std::size_t end = digits;
    while (IsDigit(At(image, end))) ++end;
    const std::size_t zeros = std::min(image.find_first_not_of('0', digits), end - 1) - digits;
    image.erase(digits, zeros);
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
