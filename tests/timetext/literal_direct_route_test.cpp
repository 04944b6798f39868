// The direct literal route against the general one, differentially.
//
// The general route is reached through the library's entry point with a
// word appended after the unit ('1.5 ns x'): the grammar ignores a word
// after the unit, and the direct route takes only literals that end with
// their unit, so the appended text always goes the general way (each case
// checks that). Every literal the direct route takes must then give the
// same status, process-wide status word, tick record, offset bits or
// exception as the general route, with the analog flag set and clear.
//
// The test links the library's objects, so it also calls the direct route
// itself: the cases know which route a literal took and can insist that
// the generators reach it often.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <initializer_list>
#include <random>
#include <string>
#include <vector>

#include "support/int128_model.h"
#include "support/test_scale.h"
#include "timetext/direct_literal.h"
#include "universaltypes/time_text.h"

namespace {

using universaltypes::detail::DirectLiteralValue;
using universaltypes::detail::LiteralText;
using universaltypes::detail::TryDirectLiteral;

constexpr std::uint64_t kSeed = 20261206;
const char* const kUnits[] = {"fs", "ps", "ns", "us", "ms", "sec", "min", "hr"};
// Femtoseconds per unit as rest * 10^tens.
const struct {
  std::uint64_t rest;
  int tens;
} kUnitScales[] = {{1, 0}, {1, 3}, {1, 6}, {1, 9}, {1, 12}, {1, 15}, {6, 16}, {36, 17}};

struct Outcome {
  std::string thrown;  // the exception's status code, empty when none passed out
  int status = -7, statusWord = -7;
  std::array<int, 5> record{};
  std::uint64_t offsetBits = 0;
  bool operator==(const Outcome&) const = default;
  std::string Describe() const {
    // Appends only, never a prefix "..." + string: g++ 12 at -O2 reports a
    // false -Wrestrict overlap inside the std::string::insert that uses.
    std::string text = thrown.empty() ? "" : std::string("threw ").append(thrown).append(", ");
    text.append("status ").append(std::to_string(status));
    text.append(", status word ").append(std::to_string(statusWord)).append(", record");
    for (int value : record) text.append(" ").append(std::to_string(value));
    return text + ", offset bits " + std::to_string(offsetBits);
  }
};

std::uint64_t BitsOf(double value) {
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

Outcome ParseThroughLibrary(const std::string& text) {
  Outcome outcome;
  (void)UniversalInteger(IntegerHighChoice);  // clears the status word
  UTypes_StatusCode status = static_cast<UTypes_StatusCode>(-7);
  try {
    const UniversalTime time = TimeValueFromTimeString(text.c_str(), status);
    time.ConvertUniversalTimeToInts(outcome.record.data());
    outcome.offsetBits = BitsOf(time.Get_OffsetTime().UniversalRealToDouble());
  } catch (const UTypes_StatusCodeException& exception) {
    outcome.thrown = std::to_string(exception.Get_StatusCode());
  }
  outcome.status = status;
  outcome.statusWord = UniversalInteger::Status();
  return outcome;
}

// Compares one literal both ways under the current analog flag and based
// literal switch; true when the direct route took it.
bool CheckLiteral(const std::string& text, const std::string& label) {
  const bool analog = UniversalTime::Get_AnalogExists();
  const bool basedOff = !Is_BasedNumber("2#1# ns", 0, 5);
  DirectLiteralValue direct;
  if (!TryDirectLiteral(LiteralText(text.c_str()), basedOff, analog, direct)) return false;
  const std::string generalText = text + " x";
  DirectLiteralValue unused;
  EXPECT_FALSE(TryDirectLiteral(LiteralText(generalText.c_str()), basedOff, analog, unused))
      << label << ": the general route's text '" << generalText << "' went the direct way";
  const Outcome general = ParseThroughLibrary(generalText);
  const Outcome library = ParseThroughLibrary(text);
  EXPECT_TRUE(library == general) << label << " '" << text << "' (analog " << analog << "):\n  library "
                                  << library.Describe() << "\n  general " << general.Describe();
  const std::array<int, 3> words = {static_cast<int>(static_cast<std::uint32_t>(direct.low)),
                                    static_cast<int>(static_cast<std::uint32_t>(direct.low >> 32)),
                                    static_cast<int>(direct.high)};
  EXPECT_TRUE(general.thrown.empty() && general.record[0] == (direct.negative ? -1 : 1) &&
              std::equal(words.begin(), words.end(), general.record.begin() + 2) &&
              general.offsetBits == BitsOf(direct.offset))
      << label << " '" << text << "' (analog " << analog << "): direct route gives " << (direct.negative ? "-" : "+")
      << direct.high << ":" << direct.low << ", offset bits " << BitsOf(direct.offset) << "; general "
      << general.Describe();
  return true;
}

// Checks text with the analog flag set and clear; how many times the
// direct route took it.
long CheckBothFlags(const std::string& text, const std::string& label) {
  long taken = 0;
  for (const bool analog : {true, false}) {
    UniversalTime::Set_AnalogExists(analog);
    taken += CheckLiteral(text, label);
  }
  UniversalTime::Set_AnalogExists(true);
  return taken;
}

std::string InBase(u128 value, int base) {
  std::string digits;
  do {
    digits.insert(digits.begin(), "0123456789abcdef"[static_cast<int>(value % static_cast<unsigned>(base))]);
    value = value / static_cast<unsigned>(base);
  } while (value != 0);
  return digits;
}

class LiteralMaker {
 public:
  explicit LiteralMaker(std::uint64_t seed) : random_(seed) {}

  // A literal of the full grammar: decimal or based (2..16), signs,
  // fractions, exponents of both signs in the literal's base, underscores,
  // letter case, leading zeros and white space; digit counts cluster around
  // the direct route's limits (one word, 2^64, 2^120, rests over 2^53).
  std::string WellFormed() {
    const bool based = Chance(0.3);
    const int base = based ? Uniform(2, 16) : 10;
    const int digits = Pick({1, 1, 2, 3, 4, 6, 9, 12, 15, 16, 17, 18, 19, 20, 21, 24, 29, 30, 36, 37, 40});
    std::string number = Run(base, digits);
    if (Chance(0.1)) number.insert(0, std::string(static_cast<std::size_t>(Uniform(1, 25)), '0'));
    if (Chance(0.55)) number += "." + Run(base, Pick({1, 1, 2, 3, 5, 8, 12, 15, 16, 17, 19, 20, 25}));
    if (based) number = BasePrefix(base) + "#" + number + "#";
    if (Chance(0.4)) number += Exponent(base);
    if (!based && Chance(0.35)) number.insert(0, Chance(0.7) ? "-" : "+");
    return Space(0) + number + Space(1) + Unit(Uniform(0, 7)) + Space(0);
  }

  // A well-formed literal with one random edit: most are malformed.
  std::string Mutated() {
    std::string text = WellFormed();
    const auto at = static_cast<std::size_t>(Uniform(0, static_cast<int>(text.size()) - 1));
    static const char kInserts[] = "_.#eE+-09aFfs \txm";
    switch (Uniform(0, 3)) {
      case 0: text.insert(at, 1, kInserts[Uniform(0, static_cast<int>(sizeof kInserts) - 2)]); break;
      case 1: text.erase(at, 1); break;
      case 2: text.insert(at, 1, text[at]); break;
      default: if (at + 1 < text.size()) std::swap(text[at], text[at + 1]);
    }
    return text;
  }

  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  bool Chance(double probability) { return std::bernoulli_distribution(probability)(random_); }
  std::string Unit(int unit) {
    std::string name = kUnits[unit];
    for (char& c : name) c = Chance(0.2) ? static_cast<char>(c - 'a' + 'A') : c;
    return name;
  }

 private:
  int Pick(std::initializer_list<int> choices) {
    return *(choices.begin() + Uniform(0, static_cast<int>(choices.size()) - 1));
  }

  std::string Run(int base, int count) {
    const bool zeros = Chance(0.05);
    std::string run;
    for (int index = 0; index < count; ++index) {
      if (index > 0 && Chance(0.08)) run += '_';
      const char digit = zeros ? '0' : "0123456789abcdef"[Uniform(0, base - 1)];
      run += digit >= 'a' && Chance(0.4) ? static_cast<char>(digit - 'a' + 'A') : digit;
    }
    return run;
  }

  std::string BasePrefix(int base) {
    if (base == 10 && Chance(0.2)) return "";  // '#12#' is base 10
    return std::string(Chance(0.1) ? "0" : "") + std::to_string(base);
  }

  std::string Exponent(int base) {
    int amount = Pick({0, 1, 2, 3, 5, 9, 12, 15, 18, 19, 20, 25});
    if (Chance(0.03)) amount = Pick({40, 64, 300, 4095, 4096, 4097, 100000});
    std::string digits = InBase(static_cast<unsigned>(amount), base);
    if (Chance(0.1)) digits.insert(0, "00");
    return std::string(Chance(0.5) ? "e" : "E") + (Chance(0.5) ? "-" : (Chance(0.5) ? "+" : "")) + digits;
  }

  std::string Space(int least) {
    std::string space;
    for (int count = Uniform(least, 2); count > 0; --count) space += Chance(0.8) ? ' ' : '\t';
    return space;
  }

  std::mt19937_64 random_;
};

std::string Label(std::uint64_t seed, long index) {
  return "seed " + std::to_string(seed) + " case " + std::to_string(index);
}

TEST(LiteralDirectRoute, AgreesWithTheGeneralRouteOnRandomLiterals) {
  LiteralMaker maker(kSeed);
  const long count = ScaledCount(150000);
  long taken = 0;
  for (long index = 0; index < count; ++index) {
    taken += CheckBothFlags(maker.WellFormed(), Label(kSeed, index));
  }
  // The generator must keep reaching the route it is here to test: at least
  // a quarter of the checks (two per literal) go the direct way.
  EXPECT_GT(4 * taken, 2 * count) << "seed " << kSeed;
}

TEST(LiteralDirectRoute, TakesNoMalformedText) {
  LiteralMaker maker(kSeed + 1);
  for (long index = 0; index < ScaledCount(40000); ++index) {
    CheckBothFlags(maker.Mutated(), Label(kSeed + 1, index));
  }
}

TEST(LiteralDirectRoute, LeavesBasedLiteralsToTheSwitch) {
  LiteralMaker maker(kSeed + 2);
  Set_DisableBaseLiterals(true);
  for (long index = 0; index < ScaledCount(5000); ++index) {
    const std::string text = maker.WellFormed();
    const bool based = text.find('#') != std::string::npos;
    DirectLiteralValue unused;
    EXPECT_FALSE(based && TryDirectLiteral(LiteralText(text.c_str()), true, true, unused))
        << Label(kSeed + 2, index) << ": '" << text << "'";
    CheckBothFlags(text, Label(kSeed + 2, index));
  }
  Set_DisableBaseLiterals(false);
}

// Digit strings around the one-word step (2^60), 10^19, 2^64, 2^96, 10^29 and
// the route's own limit (2^120), with the point anywhere, in decimal and
// hexadecimal, and past 2^128, where no accumulator may wrap.
TEST(LiteralDirectRoute, MantissasAroundTheDigitLimits) {
  LiteralMaker maker(kSeed + 3);
  long taken = 0;
  for (const u128 limit : {u128(1) << 60, PowerOfTen(19), u128(1) << 64, u128(1) << 96, PowerOfTen(29),
                           u128(1) << 120, PowerOfTen(37)}) {
    for (int delta = -3; delta <= 3; ++delta) {
      for (const int base : {10, 16}) {
        const std::string digits = InBase(limit + u128(static_cast<std::int64_t>(delta)), base);
        for (std::size_t point = 1; point <= digits.size(); point += 3) {
          std::string number = digits;
          // Built by appends: std::string::insert draws g++ 12's false
          // -Wrestrict report.
          if (point < digits.size()) number = digits.substr(0, point).append(".").append(digits, point);
          if (base == 16) number = std::string("16#").append(number).append("#");
          const std::string text = number + " " + maker.Unit(maker.Uniform(0, 7));
          taken += CheckBothFlags(text, "seed " + std::to_string(kSeed + 3));
          if (base == 10) CheckBothFlags("-" + text, "seed " + std::to_string(kSeed + 3));
        }
      }
    }
  }
  for (int length = 28; length <= 42; ++length) {
    for (const char lead : {'1', 'f', '9'}) {
      std::string digits = lead + std::string(static_cast<std::size_t>(length - 1), lead == '1' ? '0' : lead);
      if (length % 2 == 0) digits += '5';
      CheckBothFlags("16#" + digits + "# fs", "past 2^128");
      if (lead != 'f') CheckBothFlags(digits + " fs", "past 2^128");
    }
  }
  EXPECT_GT(taken, 0);
}

// Literals whose ticks lie just below and above 2^64, 2^96 and 2^128 (where
// a product's words could wrap), for every unit and every power of ten the
// direct route can scale by.
TEST(LiteralDirectRoute, TicksAroundTheWordAndRangeLimits) {
  long taken = 0;
  for (int unit = 0; unit < 8; ++unit) {
    for (int tens = 0; tens <= 19; ++tens) {
      const u128 scale = u128(kUnitScales[unit].rest) * PowerOfTen(tens);
      const std::string exponent = std::string("e").append(std::to_string(tens - kUnitScales[unit].tens)).append(" ");
      for (const u128 limit : {u128(1) << 64, (u128(1) << 96) - 1, u128(1) << 96, ~u128(0)}) {
        for (int delta = -2; delta <= 2; ++delta) {
          const u128 digits = limit / scale + u128(static_cast<std::int64_t>(delta));
          if (delta > 0 && digits < limit / scale) continue;  // past 2^128
          const std::string text = InBase(digits, 10) + exponent + kUnits[unit];
          taken += CheckBothFlags(text, "ticks");
          CheckBothFlags("-" + text, "ticks");
        }
      }
    }
  }
  EXPECT_GT(taken, 0);
}

// Rests over denominators on either side of 2^53, rests next to 0 and 1, and
// their negatives, where the complement is rounded instead.
TEST(LiteralDirectRoute, RestsAroundTheDoubleLimits) {
  std::vector<std::string> decimal = {"0.5 fs", "2.5 fs", "1.25e-1 fs", "0.000000000000001 fs",
                                      "0.999999999999999 fs", "1e-15 fs", "9e-16 fs"};
  for (int digits = 12; digits <= 19; ++digits) {
    for (const char repeated : {'1', '9', '5', '3'}) {
      const std::string fraction(static_cast<std::size_t>(digits), repeated);
      decimal.push_back("0." + fraction + " fs");
      decimal.push_back("12345." + fraction + " ps");
    }
    decimal.push_back("7." + std::string(static_cast<std::size_t>(digits - 1), '0') + "1 fs");
  }
  std::vector<std::string> based = {"3#0.1# fs", "7#0.1# fs", "16#0.1#e-3 fs"};
  for (int bits = 50; bits <= 56; ++bits) {
    based.push_back("2#0." + std::string(static_cast<std::size_t>(bits - 1), '0') + "1# fs");
    based.push_back("2#1." + std::string(static_cast<std::size_t>(bits), '1') + "# fs");
    based.push_back("2#101#e-" + InBase(static_cast<unsigned>(bits), 2) + " fs");
  }
  long taken = 0;
  for (const std::string& text : decimal) {
    taken += CheckBothFlags(text, "rest") + CheckBothFlags("-" + text, "rest");
  }
  for (const std::string& text : based) taken += CheckBothFlags(text, "rest");
  EXPECT_GT(taken, static_cast<long>(decimal.size() + based.size()));
}

}  // namespace
