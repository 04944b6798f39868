// The time text rows: literal parsing and time images, against the int128
// reference parser and printer and SystemC's sc_time::from_string and
// to_string.
#include "benchmarks.h"
#include "systemc_form.h"
#include "universaltypes/time_text.h"

namespace bench {

namespace {

constexpr const char* kSection = "time text";

// A literal, and the same value as SystemC spells it (no based numbers,
// underscores, "sec", "min" or "hr").
struct Literal {
  const char* text;
  const char* systemc;
};

const std::vector<Literal> kTypicalLiterals = {
    {"1 ns", "1 ns"},         {"1.5 ns", "1.5 ns"},        {"250 ps", "250 ps"},         {"0.1 us", "0.1 us"},
    {"123456.789 ns", "123456.789 ns"},                    {"5 sec", "5 s"},             {"16#FF# ns", "255 ns"},
    {"1_000 ps", "1000 ps"},  {"2.5E-3 sec", "2.5E-3 s"},  {"10 ns", "10 ns"},           {"100 ps", "100 ps"},
    {"1 fs", "1 fs"},         {"20 us", "20 us"},          {"3.3 ms", "3.3 ms"},         {"0.5 ns", "0.5 ns"},
    {"1E3 ps", "1E3 ps"},     {"7 ms", "7 ms"},            {"2 min", "120 s"},           {"1 hr", "3600 s"},
    {"8#17# us", "15 us"}};

UniversalTime LibraryParse(const char* text) {
  UTypes_StatusCode status = UTypes_OK;
  return TimeValueFromTimeString(text, status);
}

void RegisterParseRow(const char* name, const std::vector<Literal>& literals, Agreement systemcAgreement) {
  const auto& texts = KeepForever(Map(literals, [](const Literal& literal) { return literal.text; }));
  const auto& systemcTexts = KeepForever(Map(literals, [](const Literal& literal) { return literal.systemc; }));
  Row(kSection, name, literals.size())
      .Add(kInt128, OverValues(texts, ParseTimeLiteral))
      .Add(kLibrary, OverValues(texts, LibraryParse))
      .Add(kSystemC, OverValues(systemcTexts, [](const char* text) { return sc_core::sc_time::from_string(text); }),
           systemcAgreement);
}

// Typical simulation times: a number of some unit from fs to sec, half of
// them with a part of the next smaller unit ('12.345 ns').
const std::vector<Int128Time>& ImageTimes() {
  static const std::vector<Int128Time>* times = [] {
    Random random(47);
    std::vector<Int128Time> result;
    for (std::size_t index = 0; index < kPoolSize; ++index) {
      const int unit = UniformInt(random, 0, 5);
      Int128 unitSize = 1;
      for (int step = 0; step < unit; ++step) unitSize *= 1000;
      Int128 ticks = UniformInt(random, 1, 999) * unitSize;
      if (unit > 0 && (random() & 1u)) ticks += UniformInt(random, 1, 999) * (unitSize / 1000);
      result.push_back(Int128Time::Normalized(ticks, 0.0));
    }
    return &KeepForever(std::move(result));
  }();
  return *times;
}

void RegisterImageRows() {
  const auto& times = ImageTimes();
  const auto& library = KeepForever(Map(times, ToLibraryForm{}));
  const auto& systemc = KeepForever(Map(times, ToSystemCForm{}));
  const auto systemcImage = [](const sc_core::sc_time& time) { return time.to_string(); };
  Row(kSection, "image in ns", times.size())
      .Add(kInt128, OverValues(times, IntoImageBuffer([](const Int128Time& time, char* buffer) {
             WriteTimeImage(time.ticks(), TimeUnit_ns, buffer);
           })))
      .Add(kLibrary, OverValues(library, [](const UniversalTime& time) {
             UTypes_StatusCode status = UTypes_OK;
             return static_cast<const char*>(TimeTickValueToString(time, TimeUnit_ns, status));
           }))
      .Add(kSystemC, OverValues(systemc, systemcImage), Agreement::kOwnFormat);
  Row(kSection, "image in automatic unit", times.size())
      .Add(kInt128, OverValues(times, IntoImageBuffer([](const Int128Time& time, char* buffer) {
             WriteTimeImageInAutomaticUnit(time.ticks(), buffer);
           })))
      .Add(kLibrary, OverValues(library, [](const UniversalTime& time) { return static_cast<const char*>(time); }))
      .Add(kSystemC, OverValues(systemc, systemcImage), Agreement::kOwnFormat);
}

}  // namespace

void RegisterTextBenchmarks() {
  RegisterParseRow("parse typical literals", kTypicalLiterals, Agreement::kSameResult);
  RegisterParseRow("parse 1-digit literal", {{"5 fs", "5 fs"}}, Agreement::kSameResult);
  RegisterParseRow("parse 10-digit literal", {{"1234567890 fs", "1234567890 fs"}}, Agreement::kSameResult);
  // Past 2^64 fs: sc_time saturates, the library and the reference are exact.
  RegisterParseRow("parse 28-digit literal",
                   {{"1234567890123456789012345678 fs", "1234567890123456789012345678 fs"}}, Agreement::kOwnFormat);
  RegisterImageRows();
}

}  // namespace bench
