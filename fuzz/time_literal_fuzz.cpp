// The literal parser on arbitrary bytes, through TimeValueFromTimeString (the
// bytes up to the first NUL) and TimeValueFromTimeString_CF (an exact-size
// copy without a NUL, cut at any length, zero and negative ones included),
// with the analog flag and based literals on and off. Every result is
// compared with the independent exact reader: the status says failure
// exactly when the grammar refuses the text, a refused text gives zero or
// one unit, and a well-formed one its exact ticks and offset or the overflow.
//
// The parser's exported pieces (based-number test, digit, unit search, digit
// run) get arbitrary positions, ends and bases as well.
//
// Input: a mode byte (1 analog, 2 based literals off, 4 based literals off
// before the counted call, 8 a null tick array), a cut byte (also the
// position, end and base for the pieces), then the text.
#include <bit>
#include <climits>
#include <memory>
#include <string>

#include "fuzz_support.h"
#include "literal_reader.h"
#include "universaltypes/time_text.h"

namespace {

using fuzz::ExpectedTime;

constexpr auto kUnsetStatus = static_cast<UTypes_StatusCode>(-7);
constexpr int kUnwritten = 0x5A5A5A5A;

struct Expectation {
  ExpectedTime time;
  bool refused = false;
};

struct Outcome {
  bool overflowed = false;
  UTypes_StatusCode status = kUnsetStatus;
  UniversalInteger ticks;
  double offset = 0.0;
};

ExpectedTime TimeOf(const Model& ticks) { return {ExpectedTime::Kind::kValue, ticks, 0.0}; }

// What a refused literal gives: the zero time when the library finds no
// unit (or the text starts with a byte from 0x80 up), else one unit.
ExpectedTime RefusedValue(const std::string& literal) {
  if (!literal.empty() && static_cast<unsigned char>(literal[0]) >= 0x80) return TimeOf({});
  int position = IndexToStringAfterTimeUnit(literal.c_str());
  UTypes_StatusCode status = kUnsetStatus;
  const TimeUnit unit = Get_TimeUnitFromString(literal.c_str(), status, position);
  if (status != UTypes_OK) return TimeOf({});
  return TimeOf(Normalised(1, fuzz::FemtosecondsPerUnit(unit)));
}

Expectation Expect(const std::string& literal, bool basedLiterals, bool analog) {
  const ExpectedTime time = fuzz::ReadLiteral(literal, basedLiterals, analog);
  if (time.kind != ExpectedTime::Kind::kRefused) return {time, false};
  return {RefusedValue(literal), true};
}

std::string Describe(const Expectation& expected) {
  if (expected.time.kind == ExpectedTime::Kind::kOverflow) return "overflow";
  return std::string(expected.refused ? "refused, " : "") + ToString(expected.time.ticks) + " + " +
         std::to_string(expected.time.offset);
}

std::string Describe(const Outcome& outcome) {
  if (outcome.overflowed) return "overflow";
  const Fields fields = FieldsOf(outcome.ticks);
  char text[96];
  std::snprintf(text, sizeof text, "status %d, ticks (%d, %d, %08x %08x %08x) + %.17g", outcome.status,
                fields.sign, fields.count, fields.words[2], fields.words[1], fields.words[0], outcome.offset);
  return text;
}

void Compare(const Expectation& expected, const Outcome& got, const std::string& literal, const char* form,
             bool withTicks, bool withOffset) {
  const auto context = [&] {
    return "form " + std::string(form) + ", analog " + std::to_string(UniversalTime::Get_AnalogExists()) +
           ", text \"" + fuzz::Escaped(literal) + "\": expected " + Describe(expected) + ", got " +
           Describe(got);
  };
  const bool overflow = expected.time.kind == ExpectedTime::Kind::kOverflow;
  FUZZ_CHECK(got.overflowed == overflow, "%s", context().c_str());
  if (overflow) return;
  FUZZ_CHECK(got.status == (expected.refused ? UTypes_Error : UTypes_OK), "%s", context().c_str());
  FUZZ_CHECK(!withTicks || Matches(got.ticks, expected.time.ticks), "%s", context().c_str());
  FUZZ_CHECK(!withOffset || std::bit_cast<std::uint64_t>(got.offset) ==
                                std::bit_cast<std::uint64_t>(expected.time.offset),
             "%s", context().c_str());
}

// Read back through Is_BasedNumber, the one exported view of the switch.
bool BasedLiteralsOn() { return Is_BasedNumber("2#1#", 0, 4); }

std::unique_ptr<char[]> ExactCopy(const std::string& text, bool withNul) {
  auto copy = std::make_unique<char[]>(text.size() + (withNul ? 1 : 0));
  text.copy(copy.get(), text.size());
  if (withNul) copy[text.size()] = '\0';
  return copy;
}

void CheckTerminated(const std::string& text, bool analog, bool basedOff) {
  const std::string literal = text.substr(0, text.find('\0'));
  Set_DisableBaseLiterals(basedOff);
  const Expectation expected = Expect(literal, !basedOff, analog);
  const auto copy = ExactCopy(literal, true);
  Outcome got;
  try {
    const UniversalTime time = TimeValueFromTimeString(copy.get(), got.status);
    got.ticks = time.UniversalToPhysicalTime();
    got.offset = time.Get_OffsetTime();
  } catch (const UTypes_StatusCodeException& exception) {
    FUZZ_CHECK(exception.Get_StatusCode() == UTypes_Overflow, "text \"%s\"", fuzz::Escaped(literal).c_str());
    got.overflowed = true;
  }
  Compare(expected, got, literal, "NUL-terminated", true, true);
  FUZZ_CHECK(BasedLiteralsOn() == !basedOff, "the parse moved the based-literal switch");
  FUZZ_CHECK(UniversalTime::Get_AnalogExists() == analog, "the parse moved the analog flag");
}

// The top eight cut selectors stand for negative lengths.
int CutLength(std::uint8_t cut, std::size_t size) {
  static constexpr int kNegative[] = {-1, -2, -3, -16, -255, -65536, -INT_MAX, INT_MIN};
  if (cut >= 248) return kNegative[cut - 248];
  return static_cast<int>(cut % (size + 1));
}

void CheckCounted(const std::string& text, int length, bool analog, bool basedOffBefore, bool nullTicks) {
  std::string literal = text.substr(0, length > 0 ? static_cast<std::size_t>(length) : 0);
  literal.resize(literal.find('\0') == std::string::npos ? literal.size() : literal.find('\0'));
  const Expectation expected = length < 0 ? Expectation{TimeOf({}), true} : Expect(literal, false, analog);
  const auto copy = ExactCopy(text, false);
  Set_DisableBaseLiterals(basedOffBefore);
  int array[5] = {kUnwritten, kUnwritten, kUnwritten, kUnwritten, kUnwritten};
  int* const given = nullTicks ? nullptr : array;
  int* ticks = given;
  Outcome got;
  try {
    TimeValueFromTimeString_CF(copy.get(), length, ticks, got.status);
  } catch (const UTypes_StatusCodeException& exception) {
    FUZZ_CHECK(exception.Get_StatusCode() == UTypes_Overflow, "length %d", length);
    got.overflowed = true;
  }
  FUZZ_CHECK(ticks == given, "the counted parse moved the caller's array pointer");
  FUZZ_CHECK(BasedLiteralsOn(), "based literals stay off after a counted parse");
  if (!nullTicks) got.ticks.ConvertIntsToUniversalInteger(array);
  Compare(expected, got, literal, "counted", !nullTicks, false);
}

// The exported pieces of the parser take any ints a host passes: they read
// only the text, and keep their documented answers.
void CheckHelpers(const std::string& text, std::uint8_t cut) {
  const std::string literal = text.substr(0, text.find('\0'));
  const auto copy = ExactCopy(literal, true);
  const int start = static_cast<int>(cut) - 128;
  const int end = static_cast<int>(literal.size()) - start / 2;
  const int base = cut % 20 - 2;
  Set_DisableBaseLiterals(true);
  FUZZ_CHECK(!Is_BasedNumber(copy.get(), start, end), "based literals are off");
  Set_DisableBaseLiterals(false);
  Is_BasedNumber(copy.get(), start, end);
  int error = -1;
  const int digit =
      Get_Digit(literal.empty() ? '\0' : literal[0], literal.size() < 2 ? '\0' : literal[1], base, error);
  FUZZ_CHECK(error == 1 || (error == 0 && digit >= 0 && digit < base), "digit %d, base %d, error %d", digit,
             base, error);
  int position = start;
  UTypes_StatusCode status = kUnsetStatus;
  Get_TimeUnitFromString(copy.get(), status, position);
  FUZZ_CHECK(status == UTypes_OK || status == UTypes_Error, "unit search status %d", status);
  position = start;
  int digits = -1;
  status = UTypes_OK;
  try {
    Add_Integer(UniversalTime(1), base, copy.get(), position, end, digits, status);
  } catch (const UTypes_StatusCodeException& exception) {
    FUZZ_CHECK(exception.Get_StatusCode() == UTypes_Overflow, "digit run of \"%s\"",
               fuzz::Escaped(literal).c_str());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::ByteReader reader(data, size);
  const auto mode = reader.Read<std::uint8_t>();
  const auto cut = reader.Read<std::uint8_t>();
  const std::string text = reader.Rest();
  const bool analog = (mode & 1) != 0;
  UniversalTime::Set_AnalogExists(analog);
  CheckTerminated(text, analog, (mode & 2) != 0);
  CheckCounted(text, CutLength(cut, text.size()), analog, (mode & 4) != 0, (mode & 8) != 0);
  CheckHelpers(text, cut);
  return 0;
}
