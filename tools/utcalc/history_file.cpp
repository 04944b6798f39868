#include "history_file.h"

#include <cstdlib>

namespace utcalc {

namespace {

// An empty variable counts as unset, as the XDG rules say.
const char* Variable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? value : nullptr;
}

}  // namespace

std::string HistoryFilePath() {
  if (const char* state = Variable("XDG_STATE_HOME")) return std::string(state) + "/utcalc_history";
  if (const char* home = Variable("HOME")) return std::string(home) + "/.utcalc_history";
  return {};
}

}  // namespace utcalc
