#include "session.h"

#include <exception>
#include <istream>
#include <ostream>
#include <string>

#include "calc_error.h"
#include "evaluator.h"
#include "lexer.h"
#include "parser.h"
#include "value_image.h"

namespace utcalc {

namespace {

bool IsBlankOrComment(std::string_view line) {
  const std::size_t start = line.find_first_not_of(" \t\r");
  return start == std::string_view::npos || line.substr(start).starts_with("--");
}

}  // namespace

Session::Session(const Options& options, std::ostream& out, std::ostream& err)
    : options_(options), out_(out), err_(err) {}

int Session::RunExpression(std::string_view expression) {
  return Evaluated(expression, std::nullopt) ? 0 : 1;
}

int Session::RunStream(std::istream& in, bool prompt) {
  bool allEvaluated = true;
  std::string line;
  for (long lineNumber = 1;; ++lineNumber) {
    if (prompt) out_ << "utcalc> " << std::flush;
    if (!std::getline(in, line)) break;
    allEvaluated = (IsBlankOrComment(line) || Evaluated(line, lineNumber)) && allEvaluated;
  }
  if (prompt) out_ << '\n';
  return allEvaluated ? 0 : 1;
}

bool Session::Evaluated(std::string_view line, std::optional<long> lineNumber) {
  try {
    const EvaluationMode mode{options_.libraryOperators, &err_};
    const Value value = Evaluate(*Parse(Tokenize(line), options_.basedLiterals), mode);
    out_ << ImageOf(value, options_.output) << std::endl;
    return true;
  } catch (const CalcError& error) {
    ReportError(lineNumber, error.column, error.reason);
  } catch (const std::exception& exception) {
    // Nothing the library or the parser throws should land here.
    ReportError(lineNumber, 1, std::string("internal error: ") + exception.what());
  }
  return false;
}

void Session::ReportError(std::optional<long> lineNumber, int column, std::string_view reason) {
  err_ << "utcalc: ";
  if (lineNumber) err_ << "line " << *lineNumber << ", ";
  err_ << "column " << column << ": " << reason << std::endl;
}

}  // namespace utcalc
