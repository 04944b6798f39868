// Where a session's lines come from: a stream (a script, or a terminal
// without line editing) or, on a terminal, the line editor with history.
#ifndef UTCALC_LINE_SOURCE_H
#define UTCALC_LINE_SOURCE_H

#include <iosfwd>
#include <memory>
#include <string>

namespace utcalc {

struct InputLine {
  enum class Kind { Line, Abandoned, End };
  Kind kind = Kind::End;
  std::string text;  // without its line end
};

class LineSource {
 public:
  virtual ~LineSource() = default;
  virtual InputLine Next() = 0;
};

inline constexpr const char* kPrompt = "utcalc> ";

// Lines read by std::getline; the prompt, when asked for, goes to out.
std::unique_ptr<LineSource> StreamLines(std::istream& in, std::ostream& out, bool prompt);

// Whether this build has the line editor.
bool LineEditingAvailable();
// The editor on standard input and output, with the history file; null
// when the build has none or it cannot start.
std::unique_ptr<LineSource> EditedLines(const char* programName);

}  // namespace utcalc

#endif
