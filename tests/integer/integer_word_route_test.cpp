// The operators' word-wide routes against the digit routes they stand in
// for, and the flat functions against the class operators: the same record,
// byte for byte, or the same exception, on canonical and malformed records.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

#include "support/integer_operations.h"
#include "support/record_source.h"
#include "integer/integer_internals.h"
#include "time/time_internals.h"
#include "support/test_scale.h"
#include "universaltypes/flat.h"
#include "universaltypes/universal_time.h"

namespace {

constexpr std::uint64_t kSeed = 20261207;
using Internals = IntegerInternals;

// The record's bytes or the exception's status code, and the status word.
struct Outcome {
  int status = UTypes_OK;
  std::array<unsigned char, 24> bytes{};
  int statusWord = 0;
  bool operator==(const Outcome&) const = default;
};

template <typename Operation>
Outcome OutcomeOf(Operation operation) {
  UniversalInteger resetsTheStatusWord(IntegerHighChoice);
  Outcome outcome;
  outcome.status = StatusOf([&] {
    const auto result = operation();
    std::memcpy(outcome.bytes.data(), &result, sizeof result);
  });
  outcome.statusWord = UniversalInteger::Status();
  return outcome;
}

// A flat call in its class operator's form: a failure is thrown as its status, unless it wrote the
// result, whose record then shows against the operator's exception.
UniversalInteger FlatAsMember(const IntegerOperation& operation, const UniversalInteger& a, const UniversalInteger& b) {
  const UniversalInteger unwritten = RawRecord(-1, 2, 0xABCDEF);
  UniversalInteger result = unwritten;
  const int status = operation.flat(&a, &b, &result);
  if (status != UTypes_OK && std::memcmp(&result, &unwritten, sizeof result) == 0) {
    throw UTypes_StatusCodeException(static_cast<UTypes_StatusCode>(status));
  }
  return result;
}

// The comparison every record had before the word-wide reading: counts
// first, then the covered words from the top, nothing for counts beyond 1..6.
UniversalInteger_Comparison_t CoveredWordsOrder(const UniversalInteger& a, const UniversalInteger& b) {
  const Fields x = FieldsOf(a), y = FieldsOf(b);
  const auto countA = static_cast<std::int16_t>(x.count), countB = static_cast<std::int16_t>(y.count);
  if (countA != countB) return countA > countB ? Comparison_Greater : Comparison_Less;
  if (countA < 1 || countA > 6) return Comparison_Equal;
  for (int word = (countA + 1) / 2 - 1; word >= 0; --word) {
    if (x.words[word] != y.words[word]) return x.words[word] > y.words[word] ? Comparison_Greater : Comparison_Less;
  }
  return Comparison_Equal;
}

UniversalInteger Negated(const UniversalInteger& value) {
  const Fields f = FieldsOf(value);
  return RawRecord(static_cast<std::int16_t>(-f.sign), f.count, f.words[0], f.words[1], f.words[2]);
}

using Division = void (*)(const UniversalInteger&, const UniversalInteger&, UniversalInteger&, UniversalInteger&);

std::array<UniversalInteger, 2> DividedBy(Division divide, const UniversalInteger& a, const UniversalInteger& b) {
  std::array<UniversalInteger, 2> quotientAndRemainder;
  divide(a, b, quotientAndRemainder[0], quotientAndRemainder[1]);
  return quotientAndRemainder;
}

// rem and mod as the digit routes compose them.
UniversalInteger RemainderByDigits(const UniversalInteger& a, const UniversalInteger& b) {
  if (Internals::HasZeroMagnitude(b) || Internals::HasZeroMagnitude(a)) {
    return UniversalInteger::Get_TheConstantZero();
  }
  UniversalInteger remainder = DividedBy(Internals::DivideDigitByDigit, a, b)[1];
  if (Internals::Count(remainder) != 0) Internals::Sign(remainder) = Internals::Sign(a);
  return remainder;
}

UniversalInteger ModuloByDigits(const UniversalInteger& a, const UniversalInteger& b) {
  if (Internals::HasZeroMagnitude(a)) return UniversalInteger::Get_TheConstantZero();
  if (Internals::HasZeroMagnitude(b)) return a;
  const UniversalInteger remainder = RemainderByDigits(a, b);
  if (Internals::Count(remainder) != 0 && Internals::Sign(remainder) != Internals::Sign(b)) {
    return Internals::AddWordByWord(remainder, b);
  }
  return remainder;
}

// a with the words its count leaves unread changed: the same value as the
// order and equality read it (counts outside 1..6 read no word).
UniversalInteger WithOtherUnreadWords(const UniversalInteger& a) {
  Fields f = FieldsOf(a);
  const auto count = static_cast<std::int16_t>(f.count);
  const int read = count < 1 || count > 6 ? 0 : (count + 1) / 2;
  for (int word = read; word < 3; ++word) f.words[word] ^= 0x5A5A5A5Au;
  return RawRecord(f.sign, f.count, f.words[0], f.words[1], f.words[2]);
}

struct RoutePair {
  const char* name;
  UniversalInteger (*fast)(const UniversalInteger&, const UniversalInteger&);
  UniversalInteger (*reference)(const UniversalInteger&, const UniversalInteger&);
};

const RoutePair kRoutePairs[] = {
    {"+", Internals::Add, Internals::AddWordByWord},
    {"-", Internals::Subtract, [](const auto& a, const auto& b) { return Internals::AddWordByWord(a, Negated(b)); }},
    {"*", Internals::Multiply, Internals::MultiplyDigitByDigit},
    {"/", Internals::Quotient,
     [](const auto& a, const auto& b) { return DividedBy(Internals::DivideDigitByDigit, a, b)[0]; }},
    {"rem", Internals::Remainder, RemainderByDigits},
    {"mod", Internals::Modulo, ModuloByDigits},
    // The division that hands back both at once.
    {"divide: quotient", [](const auto& a, const auto& b) { return DividedBy(Internals::Divide, a, b)[0]; },
     [](const auto& a, const auto& b) { return DividedBy(Internals::DivideDigitByDigit, a, b)[0]; }},
    {"divide: remainder", [](const auto& a, const auto& b) { return DividedBy(Internals::Divide, a, b)[1]; },
     [](const auto& a, const auto& b) { return DividedBy(Internals::DivideDigitByDigit, a, b)[1]; }},
};

TEST(WordRoutes, AgreeWithTheDigitRoutesOnEveryRecord) {
  RecordSource source(kSeed);
  const long cases = ScaledCount(300000);
  for (long index = 0; index < cases; ++index) {
    const UniversalInteger a = source.AnyInteger();
    const UniversalInteger b = index % 8 == 0 ? a : index % 8 == 1 ? WithOtherUnreadWords(a) : source.AnyInteger();
    const auto context = [&] {
      return "seed " + std::to_string(kSeed) + ", case " + std::to_string(index) + ": " + RecordText(a) + " and " +
             RecordText(b);
    };
    for (const RoutePair& pair : kRoutePairs) {
      ASSERT_EQ(OutcomeOf([&] { return pair.fast(a, b); }), OutcomeOf([&] { return pair.reference(a, b); }))
          << pair.name << ", " << context();
    }
    for (const IntegerOperation& operation : kIntegerOperations) {
      ASSERT_EQ(OutcomeOf([&] { return FlatAsMember(operation, a, b); }),
                OutcomeOf([&] { return operation.member(a, b); }))
          << "flat " << operation.name << ", " << context();
    }
    ASSERT_EQ(a.CompareMagnitude(b), CoveredWordsOrder(a, b)) << context();
    // Equality is worked out apart from the order, and must agree with it.
    ASSERT_EQ(a == b, !(a < b) && !(b < a)) << context();
    ASSERT_EQ(a != b, a < b || b < a) << context();
  }
}

// Time times an int finishes its carry in machine words; the reference is
// the tick product normalised with the carry's record, on raw records.
TEST(ScaledTimes, TimesIntCarriesAsTheNormalisationDoes) {
  RecordSource source(kSeed + 3);
  const long cases = ScaledCount(100000);
  for (long index = 0; index < cases; ++index) {
    const UniversalInteger ticks = source.AnyInteger();
    const double offset = source.AnyOffset();
    const int factor = source.Int();
    const UniversalTime time = TimeRecord(ticks, offset);
    const std::string context = "seed " + std::to_string(kSeed + 3) + ", case " + std::to_string(index) + ": " +
                                RecordText(ticks) + " offset " + std::to_string(offset) + " * " +
                                std::to_string(factor);
    ASSERT_EQ(OutcomeOf([&] { return ticks * factor; }),
              OutcomeOf([&] { return Internals::Multiply(ticks, UniversalInteger(factor)); }))
        << "ticks, " << context;
    ASSERT_EQ(OutcomeOf([&] { return time * factor; }),
              OutcomeOf([&] {
                return TimeInternals::Normalized(ticks * factor, static_cast<double>(factor) * offset);
              }))
        << "time, " << context;
  }
}

}  // namespace
