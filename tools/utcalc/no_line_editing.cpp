// A build without libedit: terminals get plain line input.
#include "line_source.h"

namespace utcalc {

bool LineEditingAvailable() { return false; }

std::unique_ptr<LineSource> EditedLines(const char*) { return nullptr; }

}  // namespace utcalc
