#include "timetext/time_units.h"

#include <climits>

#include "time/time_internals.h"

namespace universaltypes::detail {

namespace {

constexpr UniversalTime UnitFromFemtoseconds(std::uint64_t femtoseconds) {
  return TimeInternals::Make(IntegerInternals::FromMagnitude(IntegerInternals::kPlus, femtoseconds, 0), 0.0);
}

// Built at compile time, so they are valid before any static initialiser
// runs.
constinit const UniversalTime kUnitConstants[kUnitCount] = {
    UnitFromFemtoseconds(kUnits[0].femtoseconds), UnitFromFemtoseconds(kUnits[1].femtoseconds),
    UnitFromFemtoseconds(kUnits[2].femtoseconds), UnitFromFemtoseconds(kUnits[3].femtoseconds),
    UnitFromFemtoseconds(kUnits[4].femtoseconds), UnitFromFemtoseconds(kUnits[5].femtoseconds),
    UnitFromFemtoseconds(kUnits[6].femtoseconds), UnitFromFemtoseconds(kUnits[7].femtoseconds),
};

// Case-insensitive comparison of `length` characters that stops at the end
// of the text, so a name cannot match where fewer characters are left.
bool NameAt(const LiteralText& text, long position, const char* name, int length) {
  for (int i = 0; i < length; ++i) {
    if (AsciiLower(text[position + i]) != name[i]) return false;
  }
  return true;
}

// Walks a word; reports whether it held "s", "m" or "h", the letters every
// unit name has and no digit has.
long WalkWord(const LiteralText& text, long index, bool& hasUnitLetter) {
  hasUnitLetter = false;
  for (char c; (c = text[index]) != '\0' && !IsAsciiSpace(c); ++index) {
    const char lower = AsciiLower(c);
    hasUnitLetter = hasUnitLetter || lower == 's' || lower == 'm' || lower == 'h';
  }
  return index;
}

}  // namespace

const UniversalTime& UnitConstant(TimeUnit unit) { return kUnitConstants[unit]; }
double UnitSize(TimeUnit unit) { return static_cast<double>(Unit(unit).femtoseconds); }

UnitFactors FactorsOf(TimeUnit unit) {
  UnitFactors result{0, {}};
  for (int step = 1; step <= unit; ++step) {
    // Each step's factor is 1000 or 60, so a product of factors of at most
    // 1000 covers every unit.
    result.factors[result.count++] = static_cast<std::uint32_t>(Unit(step).femtoseconds / Unit(step - 1).femtoseconds);
  }
  return result;
}

int IndexAfterUnit(const LiteralText& text) {
  bool hasUnitLetter = false;
  long index = WalkWord(text, SkipSpace(text, 0), hasUnitLetter);
  if (text[index] == '\0' || hasUnitLetter) return static_cast<int>(index);
  // The first word was the number: the unit is the second word.
  return static_cast<int>(WalkWord(text, SkipSpace(text, index), hasUnitLetter));
}

TimeUnit FindUnit(const LiteralText& text, UTypes_StatusCode& status, int& position) {
  status = UTypes_Error;
  // A position past the text is brought back to it: nothing beyond is read.
  const int start = position < text.length() ? position : text.length();
  // The first step goes two back; before the text, the caller sees where it
  // went ("" leaves -2, "5" -1), held at the lowest int.
  if (start < 2) {
    position = start < INT_MIN + 2 ? INT_MIN : start - 2;
    return TimeUnit_fs;
  }
  long index = start - 2L;
  int matched = -1;
  for (; index >= 0 && matched < 0; --index) {
    if (IsAsciiSpace(text[index])) continue;
    for (int unit = 0; unit < kUnitCount && matched < 0; ++unit) {
      if (NameAt(text, index, Unit(unit).text, static_cast<int>(std::strlen(Unit(unit).text)))) {
        matched = unit;
      }
    }
    if (matched >= 0) break;
  }
  position = static_cast<int>(index);
  if (matched < 0) return TimeUnit_fs;
  const auto unit = static_cast<TimeUnit>(matched);
  const long after = index + static_cast<long>(std::strlen(Unit(matched).text));
  if (text[after] != '\0' && !IsAsciiSpace(text[after])) return unit;
  if (index > 0 && !IsAsciiSpace(text[index - 1])) return unit;
  while (index > 0 && IsAsciiSpace(text[index - 1])) --index;
  position = static_cast<int>(index);
  status = UTypes_OK;
  return unit;
}

}  // namespace universaltypes::detail

using namespace universaltypes::detail;

int IndexToStringAfterTimeUnit(const char* text) { return IndexAfterUnit(LiteralText(text)); }

TimeUnit Get_TimeUnitFromString(const char* text, UTypes_StatusCode& status, int& position) {
  return FindUnit(LiteralText(text), status, position);
}

UTypes_StatusCode TimeUnitFromTime(int* ticks, TimeUnit& unit) {
  if (ticks == nullptr) return UTypes_Error;
  UniversalTime time;
  time.ConvertIntsToUniversalTime(ticks);
  for (int candidate = 0; candidate < kUnitCount; ++candidate) {
    if (time == kUnitConstants[candidate]) {
      unit = static_cast<TimeUnit>(candidate);
      return UTypes_OK;
    }
  }
  return UTypes_Error;
}
