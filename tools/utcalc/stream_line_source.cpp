#include <istream>
#include <ostream>

#include "line_source.h"

namespace utcalc {

namespace {

class StreamLineSource final : public LineSource {
 public:
  StreamLineSource(std::istream& in, std::ostream& out, bool prompt)
      : in_(in), out_(out), prompt_(prompt) {}

  InputLine Next() override {
    if (prompt_) out_ << kPrompt << std::flush;
    InputLine line;
    line.kind = std::getline(in_, line.text) ? InputLine::Kind::Line : InputLine::Kind::End;
    // The shell's prompt then starts on a line of its own.
    if (prompt_ && line.kind == InputLine::Kind::End) out_ << '\n';
    return line;
  }

 private:
  std::istream& in_;
  std::ostream& out_;
  bool prompt_;
};

}  // namespace

std::unique_ptr<LineSource> StreamLines(std::istream& in, std::ostream& out, bool prompt) {
  return std::make_unique<StreamLineSource>(in, out, prompt);
}

}  // namespace utcalc
