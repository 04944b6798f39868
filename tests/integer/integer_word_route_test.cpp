// The operators' word-wide routes against the digit routes they stand in
// for: the same record, byte for byte, or the same exception, for random
// records of every digit count and both signs, and for records that break
// the invariants (wild signs and counts, stray words) as a host may send.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <random>
#include <string>

#include "integer/integer_internals.h"
#include "support/test_scale.h"

namespace {

constexpr std::uint64_t kSeed = 20261207;

// The record's 16 bytes, or the status code of the exception it threw.
struct Outcome {
  int status = UTypes_OK;
  std::array<unsigned char, 16> bytes{};
  bool operator==(const Outcome&) const = default;
};

template <typename Operation>
Outcome OutcomeOf(Operation operation) {
  Outcome outcome;
  try {
    const UniversalInteger result = operation();
    std::memcpy(outcome.bytes.data(), &result, sizeof result);
  } catch (const UTypes_StatusCodeException& exception) {
    outcome.status = exception.Get_StatusCode();
  }
  return outcome;
}

UniversalInteger FromInts(int sign, int count, std::uint32_t w0, std::uint32_t w1, std::uint32_t w2) {
  int ints[5] = {sign, count, static_cast<int>(w0), static_cast<int>(w1), static_cast<int>(w2)};
  UniversalInteger value;
  value.ConvertIntsToUniversalInteger(ints);
  return value;
}

std::string Describe(const UniversalInteger& value) {
  int ints[5];
  value.ConvertUniversalIntegerToInts(ints);
  char text[96];
  std::snprintf(text, sizeof text, "{sign %d, count %d, %08x %08x %08x}", ints[0], ints[1],
                static_cast<unsigned>(ints[4]), static_cast<unsigned>(ints[3]),
                static_cast<unsigned>(ints[2]));
  return text;
}

class RecordSource {
 public:
  explicit RecordSource(std::uint64_t seed) : random_(seed) {}

  // A well-formed value of random bit length (boundary words favoured) with
  // sign +1 or -1; one in four breaks an invariant.
  UniversalInteger Next() {
    std::uint32_t words[3] = {Word(), Word(), Word()};
    const int bits = Below(97);
    for (int word = 0; word < 3; ++word) {
      const int kept = bits - 32 * word;
      if (kept <= 0) words[word] = 0;
      else if (kept < 32) words[word] &= (1u << kept) - 1;
    }
    int sign = Below(2) == 0 ? 1 : -1;
    const UniversalInteger exact = FromInts(sign, 0, words[0], words[1], words[2]);
    int count = ExactCount(exact);
    switch (Below(16)) {
      case 0: sign = Pick({0, 2, -2, 32767, -32768}); break;
      case 1: count = Pick({-32768, -1, 7, 32767, count + 1, count - 1}); break;
      case 2: words[Below(3)] = Word(); break;
      case 3: count = 0; break;
      default: break;
    }
    return FromInts(sign, count, words[0], words[1], words[2]);
  }

 private:
  static int ExactCount(const UniversalInteger& value) {
    int ints[5];
    value.ConvertUniversalIntegerToInts(ints);
    for (int digit = 5; digit >= 0; --digit) {
      const auto word = static_cast<std::uint32_t>(ints[2 + digit / 2]);
      if (((digit % 2 == 1) ? word >> 16 : word & 0xFFFFu) != 0) return digit + 1;
    }
    return 0;
  }
  int Below(int bound) { return static_cast<int>(random_() % static_cast<std::uint64_t>(bound)); }
  int Pick(std::initializer_list<int> choices) { return choices.begin()[Below(static_cast<int>(choices.size()))]; }
  std::uint32_t Word() {
    static constexpr std::uint32_t kBoundaries[] = {0, 1, 0x7FFF, 0x8000, 0xFFFF, 0x10000,
                                                    0x80000000u, 0xFFFF0000u, 0xFFFFFFFFu};
    if (Below(3) == 0) return kBoundaries[Below(static_cast<int>(std::size(kBoundaries)))];
    return static_cast<std::uint32_t>(random_());
  }

  std::mt19937_64 random_;
};

// The comparison every record had before the word-wide reading: counts
// first, then the covered words from the top, nothing for counts beyond 1..6.
UniversalInteger_Comparison_t CoveredWordsOrder(const UniversalInteger& a, const UniversalInteger& b) {
  int x[5];
  int y[5];
  a.ConvertUniversalIntegerToInts(x);
  b.ConvertUniversalIntegerToInts(y);
  const auto countA = static_cast<std::int16_t>(x[1]);
  const auto countB = static_cast<std::int16_t>(y[1]);
  if (countA != countB) return countA > countB ? Comparison_Greater : Comparison_Less;
  if (countA < 1 || countA > 6) return Comparison_Equal;
  for (int word = (countA + 1) / 2 - 1; word >= 0; --word) {
    const auto wordA = static_cast<std::uint32_t>(x[2 + word]);
    const auto wordB = static_cast<std::uint32_t>(y[2 + word]);
    if (wordA != wordB) return wordA > wordB ? Comparison_Greater : Comparison_Less;
  }
  return Comparison_Equal;
}

UniversalInteger Negated(const UniversalInteger& value) {
  int ints[5];
  value.ConvertUniversalIntegerToInts(ints);
  ints[0] = static_cast<std::int16_t>(-static_cast<std::int16_t>(ints[0]));
  UniversalInteger negated;
  negated.ConvertIntsToUniversalInteger(ints);
  return negated;
}

// rem and mod as the digit routes compose them.
UniversalInteger RemainderByDigits(const UniversalInteger& a, const UniversalInteger& b) {
  if (IntegerInternals::HasZeroMagnitude(b) || IntegerInternals::HasZeroMagnitude(a)) {
    return UniversalInteger::Get_TheConstantZero();
  }
  UniversalInteger quotient;
  UniversalInteger remainder;
  IntegerInternals::DivideDigitByDigit(a, b, quotient, remainder);
  if (IntegerInternals::Count(remainder) != 0) IntegerInternals::Sign(remainder) = IntegerInternals::Sign(a);
  return remainder;
}

UniversalInteger ModuloByDigits(const UniversalInteger& a, const UniversalInteger& b) {
  if (IntegerInternals::HasZeroMagnitude(a)) return UniversalInteger::Get_TheConstantZero();
  if (IntegerInternals::HasZeroMagnitude(b)) return a;
  const UniversalInteger remainder = RemainderByDigits(a, b);
  if (IntegerInternals::Count(remainder) != 0 &&
      IntegerInternals::Sign(remainder) != IntegerInternals::Sign(b)) {
    return IntegerInternals::AddWordByWord(remainder, b);
  }
  return remainder;
}

struct RoutePair {
  const char* name;
  UniversalInteger (*fast)(const UniversalInteger&, const UniversalInteger&);
  UniversalInteger (*reference)(const UniversalInteger&, const UniversalInteger&);
};

const RoutePair kRoutePairs[] = {
    {"+", IntegerInternals::Add, IntegerInternals::AddWordByWord},
    {"-", IntegerInternals::Subtract,
     [](const auto& a, const auto& b) { return IntegerInternals::AddWordByWord(a, Negated(b)); }},
    {"*", IntegerInternals::Multiply, IntegerInternals::MultiplyDigitByDigit},
    {"/", IntegerInternals::Quotient,
     [](const auto& a, const auto& b) {
       UniversalInteger quotient;
       UniversalInteger remainder;
       IntegerInternals::DivideDigitByDigit(a, b, quotient, remainder);
       return quotient;
     }},
    {"rem", IntegerInternals::Remainder, RemainderByDigits},
    {"mod", IntegerInternals::Modulo, ModuloByDigits},
};

TEST(WordRoutes, AgreeWithTheDigitRoutesOnEveryRecord) {
  RecordSource source(kSeed);
  const long cases = ScaledCount(300000);
  for (long index = 0; index < cases; ++index) {
    const UniversalInteger a = source.Next();
    const UniversalInteger b = index % 8 == 0 ? a : source.Next();
    const auto context = [&] {
      return "seed " + std::to_string(kSeed) + ", case " + std::to_string(index) + ": " + Describe(a) +
             " and " + Describe(b);
    };
    for (const RoutePair& pair : kRoutePairs) {
      ASSERT_EQ(OutcomeOf([&] { return pair.fast(a, b); }), OutcomeOf([&] { return pair.reference(a, b); }))
          << pair.name << ", " << context();
    }
    ASSERT_EQ(a.CompareMagnitude(b), CoveredWordsOrder(a, b)) << context();
  }
}

// The whole quotient-remainder pair, both handed back by one division.
TEST(WordRoutes, DivisionHandsBackTheDigitRoutesRemainderToo) {
  RecordSource source(kSeed + 1);
  const long cases = ScaledCount(100000);
  for (long index = 0; index < cases; ++index) {
    const UniversalInteger a = source.Next();
    const UniversalInteger b = source.Next();
    UniversalInteger fast[2];
    UniversalInteger reference[2];
    const Outcome fastOutcome = OutcomeOf([&] {
      IntegerInternals::Divide(a, b, fast[0], fast[1]);
      return fast[1];
    });
    const Outcome referenceOutcome = OutcomeOf([&] {
      IntegerInternals::DivideDigitByDigit(a, b, reference[0], reference[1]);
      return reference[1];
    });
    ASSERT_EQ(fastOutcome, referenceOutcome) << "seed " << kSeed + 1 << ", case " << index;
    if (fastOutcome.status == UTypes_OK) {
      ASSERT_EQ(0, std::memcmp(&fast[0], &reference[0], sizeof fast[0]))
          << "seed " << kSeed + 1 << ", case " << index << ": " << Describe(a) << " / " << Describe(b);
    }
  }
}

}  // namespace
