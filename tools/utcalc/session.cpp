#include "session.h"

#include <exception>
#include <ostream>
#include <string>

#include "calc_error.h"
#include "conversion.h"
#include "error_excerpt.h"
#include "evaluator.h"
#include "help_text.h"
#include "lexer.h"
#include "names.h"
#include "parser.h"
#include "session_commands.h"
#include "unit_names.h"
#include "value_image.h"

namespace utcalc {

namespace {

OutputFormat ConvertedFormat(const Value& value, const Conversion& conversion,
                             OutputFormat format) {
  const ValueType converted = conversion.frequency ? ValueType::Frequency : ValueType::Time;
  const bool fits = conversion.frequency ? TypeOf(value) == converted : IsTime(TypeOf(value));
  if (!fits) {
    const char* unit =
        conversion.frequency ? FrequencyUnitName(*conversion.frequency) : UnitName(conversion.unit);
    throw CalcError{conversion.column, std::string("'in ") + unit + "' converts a " +
                                           TypeName(converted) + ", not " + TypeName(TypeOf(value))};
  }
  format.style = OutputFormat::Style::InUnit;
  format.unit = conversion.unit;
  format.frequencyUnit = conversion.frequency;
  return format;
}

}  // namespace

Session::Session(const Options& options, std::ostream& out, std::ostream& err)
    : options_(options), out_(out), err_(err) {}

int Session::RunExpression(std::string_view expression) {
  return Handle(expression, std::nullopt) == Outcome::Failed ? 1 : 0;
}

int Session::RunLines(LineSource& lines, bool interactive) {
  bool anyFailed = false;
  bool lastFailed = false;
  long lineNumber = 0;
  for (InputLine line = lines.Next(); line.kind != InputLine::Kind::End; line = lines.Next()) {
    if (line.kind == InputLine::Kind::Abandoned) continue;
    const Outcome outcome = Handle(line.text, ++lineNumber);
    if (outcome == Outcome::Quit) break;
    if (outcome == Outcome::Skipped) continue;
    lastFailed = outcome == Outcome::Failed;
    anyFailed = anyFailed || lastFailed;
  }
  return (interactive ? lastFailed : anyFailed) ? 1 : 0;
}

Session::Outcome Session::Handle(std::string_view line, std::optional<long> lineNumber) {
  switch (CommandOn(line)) {
    case Command::Help: out_ << SessionHelpText() << std::flush; return Outcome::Evaluated;
    case Command::Quit: return Outcome::Quit;
    case Command::None: break;
  }
  return Evaluated(line, lineNumber);
}

Session::Outcome Session::Evaluated(std::string_view line, std::optional<long> lineNumber) {
  try {
    std::vector<Token> tokens = Tokenize(line);
    if (tokens.size() == 1) return Outcome::Skipped;  // blank, or only a comment
    const std::optional<std::string> defined = Names::TakeDefinition(tokens);
    const std::optional<Conversion> conversion = TakeConversion(tokens);
    names_.Resolve(tokens);
    const EvaluationMode mode{options_.libraryOperators, &err_};
    const LiteralRules rules{options_.basedLiterals, !options_.libraryOperators};
    const Value value = Evaluate(*Parse(tokens, rules), mode);
    if (defined) names_.Define(*defined, value);
    names_.Answer(value);
    OutputFormat format = options_.output;
    format.library = options_.libraryOperators;
    if (conversion) format = ConvertedFormat(value, *conversion, format);
    out_ << ImageOf(value, format) << std::endl;
    return Outcome::Evaluated;
  } catch (const CalcError& error) {
    ReportError(lineNumber, error.column, error.reason);
  } catch (const std::exception& exception) {
    // Nothing the library or the parser throws should land here.
    ReportError(lineNumber, 1, std::string("internal error: ") + exception.what());
  }
  return Outcome::Failed;
}

void Session::ReportError(std::optional<long> lineNumber, int column, std::string_view reason) {
  err_ << "utcalc: ";
  if (lineNumber) err_ << "line " << *lineNumber << ", ";
  err_ << "column " << column << ": " << WithShortQuotes(reason) << std::endl;
}

}  // namespace utcalc
