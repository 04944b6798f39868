// The words a session understands besides expressions, each alone on its
// line (a comment may follow), in any case: help, quit, exit.
#ifndef UTCALC_SESSION_COMMANDS_H
#define UTCALC_SESSION_COMMANDS_H

#include <string_view>

namespace utcalc {

enum class Command { None, Help, Quit };

Command CommandOn(std::string_view line);

}  // namespace utcalc

#endif
