#ifndef UTCALC_HELP_TEXT_H
#define UTCALC_HELP_TEXT_H

namespace utcalc {

// One line, for standard error after a bad option.
const char* UsageLine();
// --help: the options, the grammar, the types and examples.
const char* HelpText();
// "help" in a session: the grammar, short.
const char* SessionHelpText();

}  // namespace utcalc

#endif
