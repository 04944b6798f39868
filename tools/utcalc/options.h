// The command line: output format, the library's two process-wide switches,
// and an optional expression (the remaining arguments joined by spaces).
#ifndef UTCALC_OPTIONS_H
#define UTCALC_OPTIONS_H

#include <optional>
#include <string>

#include "output_format.h"

namespace utcalc {

struct Options {
  OutputFormat output;
  bool analog = true;  // the library's own initial state
  bool basedLiterals = true;
  bool libraryOperators = false;  // --lib: the library's own, lossy where it is
  bool help = false;
  bool version = false;
  std::optional<std::string> expression;
};

struct UsageError {
  std::string reason;
};

// Arguments starting with "--" are options until a lone "--"; everything
// else is expression text, so '-1 ns' needs no quoting of its sign.
Options ParseOptions(int argc, const char* const* argv);

}  // namespace utcalc

#endif
