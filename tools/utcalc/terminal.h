#ifndef UTCALC_TERMINAL_H
#define UTCALC_TERMINAL_H

namespace utcalc {

// Whether standard input is an interactive terminal (then a prompt helps).
bool InputIsTerminal();
// Whether standard output is one too (then the line editor may draw).
bool OutputIsTerminal();

}  // namespace utcalc

#endif
