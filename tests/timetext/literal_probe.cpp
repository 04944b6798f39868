// Reads "A|text" or "D|text" lines (analog flag set or clear; '-' for '|': based literals off) and
// prints "status ticks offset-bits", "overflow" or "error". Where the direct route takes a literal,
// " direct" follows if the general route leaves the same record, status and status word for
// 'text x' (a word after the unit is ignored, and the direct route declines it), else " differs".
#include <iostream>
#include <string>

#include "timetext/direct_literal.h"
#include "universaltypes/time_text.h"

namespace {

using universaltypes::detail::DirectLiteralValue;
using universaltypes::detail::LiteralText;
using universaltypes::detail::TryDirectLiteral;

// What a host sees after a parse: the printed part; the record's fields with the status word.
struct Seen {
  std::string text, fields;
};

Seen Parse(const std::string& literal) {
  (void)UniversalInteger(IntegerHighChoice);  // clears the status word
  UTypes_StatusCode status = UTypes_OK;
  std::string text, fields;
  try {
    const UniversalTime time = TimeValueFromTimeString(literal.c_str(), status);
    char offset[17];
    time.Get_OffsetTime().ToHexString(offset);
    text = std::to_string(status) + ' ' + static_cast<const char*>(time.UniversalToPhysicalTime()) + ' ' + offset;
    int record[5];
    time.ConvertUniversalTimeToInts(record);
    for (const int field : record) fields += std::to_string(field) + ' ';
  } catch (const UTypes_StatusCodeException& exception) {
    text = exception.Get_StatusCode() == UTypes_Overflow ? "overflow" : "error";
  }
  return {text, fields + "status word " + std::to_string(UniversalInteger::Status())};
}

}  // namespace

int main() {
  std::string line;
  while (std::getline(std::cin, line)) {
    if (line.size() < 2) continue;
    const bool analog = line[0] == 'A', basedOff = line[1] == '-';
    UniversalTime::Set_AnalogExists(analog);
    Set_DisableBaseLiterals(basedOff);
    const std::string literal = line.substr(2);
    const Seen seen = Parse(literal);
    std::cout << seen.text;
    DirectLiteralValue direct;
    if (TryDirectLiteral(LiteralText(literal.c_str()), basedOff, analog, direct)) {
      const std::string generalText = literal + " x";
      const Seen general = Parse(generalText);
      if (TryDirectLiteral(LiteralText(generalText.c_str()), basedOff, analog, direct) ||
          general.text != seen.text || general.fields != seen.fields) {
        std::cout << " differs from the general route's " << general.text << " (" << general.fields << " against "
                  << seen.fields << ")";
      } else {
        std::cout << " direct";
      }
    }
    std::cout << '\n';
  }
}
