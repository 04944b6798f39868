#include "session_commands.h"

#include "ascii_case.h"

namespace utcalc {

namespace {

constexpr std::string_view kSpace = " \t\r";

std::string_view Trimmed(std::string_view text) {
  const std::size_t start = text.find_first_not_of(kSpace);
  if (start == std::string_view::npos) return {};
  return text.substr(start, text.find_last_not_of(kSpace) - start + 1);
}

// A command is one word, so its comment cannot sit inside a literal.
std::string_view WithoutComment(std::string_view line) { return line.substr(0, line.find("--")); }

}  // namespace

Command CommandOn(std::string_view line) {
  const std::string_view word = Trimmed(WithoutComment(line));
  if (EqualsIgnoringCase(word, "help")) return Command::Help;
  if (EqualsIgnoringCase(word, "quit") || EqualsIgnoringCase(word, "exit")) return Command::Quit;
  return Command::None;
}

}  // namespace utcalc
