#ifndef UTCALC_TERMINAL_H
#define UTCALC_TERMINAL_H

namespace utcalc {

// Whether standard input is an interactive terminal (then a prompt helps).
bool InputIsTerminal();

}  // namespace utcalc

#endif
