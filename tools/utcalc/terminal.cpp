#include "terminal.h"

#if defined(_WIN32)
#include <io.h>
#include <stdio.h>
#else
#include <unistd.h>
#endif

namespace utcalc {

namespace {

bool IsTerminal([[maybe_unused]] int descriptor) {
#if defined(_WIN32)
  return _isatty(descriptor) != 0;
#else
  return isatty(descriptor) != 0;
#endif
}

}  // namespace

bool InputIsTerminal() { return IsTerminal(0); }
bool OutputIsTerminal() { return IsTerminal(1); }

}  // namespace utcalc
