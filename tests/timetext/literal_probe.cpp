// Reads one literal a line, "A|text" with the analog flag set or "D|text"
// with it clear, and prints what the parser made of it:
// "status ticks offset-bits" or "overflow". The oracle compares.
#include <iostream>
#include <string>

#include "universaltypes/time_text.h"

int main() {
  std::string line;
  while (std::getline(std::cin, line)) {
    if (line.size() < 2) continue;
    UniversalTime::Set_AnalogExists(line[0] == 'A');
    UTypes_StatusCode status = UTypes_OK;
    try {
      const UniversalTime time = TimeValueFromTimeString(line.c_str() + 2, status);
      char offset[17];
      time.Get_OffsetTime().ToHexString(offset);
      std::cout << status << ' ' << static_cast<const char*>(time.UniversalToPhysicalTime()) << ' '
                << offset << '\n';
    } catch (const UTypes_StatusCodeException& exception) {
      std::cout << (exception.Get_StatusCode() == UTypes_Overflow ? "overflow" : "error") << '\n';
    }
  }
}
