// A small host: 96-bit integer arithmetic through the flat functions only,
// the way a simulator embedding the library calls it.
#include <cstdint>
#include <cstdio>
#include <string>

#include "universaltypes/universal_integer.h"

namespace {

// Builds a record through the integer array form from a magnitude given as
// three 32-bit words, least significant first.
UniversalInteger Make(int sign, std::uint32_t w0, std::uint32_t w1, std::uint32_t w2) {
  int count = 0;
  const std::uint32_t words[3] = {w0, w1, w2};
  for (int word = 0; word < 3; ++word) {
    if (words[word] != 0) count = 2 * word + (words[word] >= 0x10000u ? 2 : 1);
  }
  int ints[5] = {sign, count, static_cast<int>(w0), static_cast<int>(w1), static_cast<int>(w2)};
  UniversalInteger value;
  value.ConvertIntsToUniversalInteger(ints);
  return value;
}

// The library's decimal image lives in one shared buffer: copy it at once.
std::string Decimal(const UniversalInteger& value) { return static_cast<const char*>(value); }

void Show(const char* what, const UniversalInteger& left, const char* op,
          const UniversalInteger& right, int status, const UniversalInteger& result) {
  std::printf("%-9s %s %s %s = ", what, Decimal(left).c_str(), op, Decimal(right).c_str());
  if (status == 0) {
    std::printf("%s\n", Decimal(result).c_str());
  } else {
    std::printf("status %d (%s)\n", status, status == 2 ? "overflow" : "error");
  }
}

}  // namespace

int main() {
  const UniversalInteger big = Make(1, 0x89ABCDEFu, 0x01234567u, 0x00FEDCBAu);  // ~2^88
  const UniversalInteger million = Make(-1, 1000000u, 0, 0);
  const UniversalInteger highest(IntegerHighChoice);
  const UniversalInteger one(1);
  UniversalInteger result;

  Show("plus", big, "+", million, UniversalIntegerPlusUniversalInteger(&big, &million, &result), result);
  Show("minus", big, "-", million, UniversalIntegerMinusUniversalInteger(&big, &million, &result), result);
  Show("times", million, "*", million, UniversalIntegerTimesUniversalInteger(&million, &million, &result), result);
  Show("divide", big, "/", million, UniversalIntegerDividedByUniversalInteger(&big, &million, &result), result);
  Show("rem", big, "rem", million, UniversalIntegerRemUniversalInteger(&big, &million, &result), result);
  Show("mod", big, "mod", million, UniversalIntegerModUniversalInteger(&big, &million, &result), result);
  Show("overflow", highest, "+", one, UniversalIntegerPlusUniversalInteger(&highest, &one, &result), result);
  return 0;
}
