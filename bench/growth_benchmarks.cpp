// How cost grows: parsing against the literal's length and its exponent,
// and division against the digit counts of its operands.
#include <cstdio>
#include <cstdlib>

#include "benchmarks.h"
#include "operands.h"
#include "universaltypes/time_text.h"

namespace bench {

namespace {

// One literal, parsed over and over; it must be well formed.
void RegisterParse(const char* table, const std::string& row, const std::string& literal) {
  const char* text = KeepForever(std::string(literal)).c_str();
  UTypes_StatusCode status = UTypes_Error;
  TimeValueFromTimeString(text, status);
  if (status != UTypes_OK) {
    std::fprintf(stderr, "%s: '%s' does not parse\n", table, text);
    std::exit(1);
  }
  Register(BenchmarkName(table, row, kLibrary), 1, [text](std::size_t) {
    UTypes_StatusCode parseStatus = UTypes_OK;
    return TimeValueFromTimeString(text, parseStatus);
  });
}

// '1.4285714... ns' with `digits` significant digits.
std::string LiteralOfLength(int digits) {
  std::string literal = "1";
  if (digits > 1) literal += ".";
  for (int digit = 1; digit < digits; ++digit) literal += "428571"[digit % 6];
  return literal + " ns";
}

void RegisterParseGrowth() {
  for (int digits : {1, 2, 4, 8, 16, 28, 64, 256, 1024}) {
    RegisterParse("growth parse length", std::to_string(digits) + " digits", LiteralOfLength(digits));
  }
  for (int exponent : {0, 1, 5, 10, 18, 22, -1, -5, -10, -20, -50, -100, -300, -1000, -10000}) {
    char mark[16];
    char literal[32];
    std::snprintf(mark, sizeof mark, "E%d", exponent);
    std::snprintf(literal, sizeof literal, "1.5%s ns", mark);
    RegisterParse("growth parse exponent", mark, literal);
  }
}

// The bit lengths of a magnitude with exactly `digits` 16-bit digits.
int BitsOfDigits(Random& random, int digits) { return UniformInt(random, 16 * digits - 15, 16 * digits); }

void RegisterDivisionGrowth() {
  constexpr std::size_t kCellPoolSize = 256;
  for (int dividendDigits = 1; dividendDigits <= 6; ++dividendDigits) {
    for (int divisorDigits = 1; divisorDigits <= 6; ++divisorDigits) {
      const auto& operands = KeepForever(IntegerOperands(RandomIntegerPairs(kCellPoolSize, [=](Random& random) {
        return std::pair{BitsOfDigits(random, dividendDigits), BitsOfDigits(random, divisorDigits)};
      })));
      const auto divide = [](const auto& a, const auto& b) { return a / b; };
      Row("growth divide", std::to_string(dividendDigits) + " by " + std::to_string(divisorDigits) + " digits",
          operands.size())
          .Add(kInt128, OverPairs(operands.reference, divide))
          .Add(kClass, OverPairs(operands.library, divide));
    }
  }
}

}  // namespace

void RegisterGrowthBenchmarks() {
  RegisterParseGrowth();
  RegisterDivisionGrowth();
}

}  // namespace bench
