// utcalc: evaluates expressions over the universal types exactly (or, with
// --lib, with the library's own operators). Exit status 0, 1 when an expression failed, 2 for a bad
// option.
#include <iostream>

#include "help_text.h"
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
  UniversalTime::Set_AnalogExists(options.analog);
  Set_DisableBaseLiterals(!options.basedLiterals);
  Session session(options, std::cout, std::cerr);
  if (options.expression) return session.RunExpression(*options.expression);
  return session.RunStream(std::cin, InputIsTerminal());
}
