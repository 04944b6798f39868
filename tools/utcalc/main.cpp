// utcalc: evaluates expressions over the universal types exactly (or, with
// --lib, with the library's own operators). Exit status 0, 1 when an
// expression failed, 2 for a bad option. On a terminal (input and output
// both), lines are edited with libedit when the build has it.
#include <iostream>

#include "help_text.h"
#include "line_source.h"
#include "options.h"
#include "session.h"
#include "terminal.h"
#include "universaltypes/time_text.h"

int main(int argc, char** argv) {
  using namespace utcalc;
  Options options;
  try {
    options = ParseOptions(argc, argv);
  } catch (const UsageError& error) {
    std::cerr << "utcalc: " << error.reason << '\n' << UsageLine() << '\n';
    return 2;
  }
  if (options.help) {
    std::cout << HelpText();
    return 0;
  }
  if (options.version) {
    std::cout << "utcalc " << UTCALC_VERSION << '\n';
    return 0;
  }
  UniversalTime::Set_AnalogExists(options.analog);
  Set_DisableBaseLiterals(!options.basedLiterals);
  Session session(options, std::cout, std::cerr);
  if (options.expression) return session.RunExpression(*options.expression);
  const bool interactive = InputIsTerminal();
  std::unique_ptr<LineSource> lines;
  if (interactive && OutputIsTerminal()) lines = EditedLines(argv[0]);
  if (!lines) lines = StreamLines(std::cin, std::cout, interactive);
  return session.RunLines(*lines, interactive);
}
