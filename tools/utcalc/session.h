// Evaluates lines and reports each result, or one error line with its
// column (and line number, for input read line by line).
#ifndef UTCALC_SESSION_H
#define UTCALC_SESSION_H

#include <iosfwd>
#include <optional>
#include <string_view>

#include "line_source.h"
#include "names.h"
#include "options.h"

namespace utcalc {

class Session {
 public:
  Session(const Options& options, std::ostream& out, std::ostream& err);

  // Exit status: 0, or 1 when the expression failed.
  int RunExpression(std::string_view expression);
  // Until the lines end or "quit". Exit status: 0, or 1 when the last line
  // failed (interactive) or when any line failed (a script).
  int RunLines(LineSource& lines, bool interactive);

 private:
  enum class Outcome { Evaluated, Failed, Skipped, Quit };

  Outcome Handle(std::string_view line, std::optional<long> lineNumber);
  // Writes the result, or reports the error.
  Outcome Evaluated(std::string_view line, std::optional<long> lineNumber);
  void ReportError(std::optional<long> lineNumber, int column, std::string_view reason);

  const Options& options_;
  std::ostream& out_;
  std::ostream& err_;
  Names names_;
};

}  // namespace utcalc

#endif
