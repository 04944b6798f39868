// Uses the installed headers and library: one exact literal, one image.
#include <cstdio>
#include <cstring>

#include "universaltypes/time_text.h"

int main() {
  UTypes_StatusCode status;
  const UniversalTime time = TimeValueFromTimeString("8.2 ms", status);
  const char* image = TimeTickValueToString(time, TimeUnit_us, status);
  std::printf("%s\n", image);
  return std::strcmp(image, "8200 us") == 0 ? 0 : 1;
}
