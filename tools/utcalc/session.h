// Evaluates lines and reports each result, or one error line with its
// column (and line number, for input read from a stream).
#ifndef UTCALC_SESSION_H
#define UTCALC_SESSION_H

#include <iosfwd>
#include <optional>
#include <string_view>

#include "options.h"

namespace utcalc {

class Session {
 public:
  Session(const Options& options, std::ostream& out, std::ostream& err);

  // Exit status: 0, or 1 when the expression failed.
  int RunExpression(std::string_view expression);
  // Exit status: 0, or 1 when any line failed; the prompt is for terminals.
  int RunStream(std::istream& in, bool prompt);

 private:
  // Writes the result, or reports the error and returns false.
  bool Evaluated(std::string_view line, std::optional<long> lineNumber);
  void ReportError(std::optional<long> lineNumber, int column, std::string_view reason);

  const Options& options_;
  std::ostream& out_;
  std::ostream& err_;
};

}  // namespace utcalc

#endif
