// Where the line editor keeps its history between sessions.
#ifndef UTCALC_HISTORY_FILE_H
#define UTCALC_HISTORY_FILE_H

#include <string>

namespace utcalc {

// $XDG_STATE_HOME/utcalc_history, else ~/.utcalc_history; empty when
// neither variable is set.
std::string HistoryFilePath();

}  // namespace utcalc

#endif
