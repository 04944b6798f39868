// The line editor: libedit's own interface (histedit.h), emacs keys.
// Ctrl-C is taken from the terminal driver while a line is edited and
// bound to a key function, so it abandons the line without a signal and
// the session goes on. Between lines (while a line is evaluated, which is
// quick) the driver's Ctrl-C is ignored, so one typed early cannot end the
// session either.
#include <histedit.h>

#include <csignal>
#include <cstdio>
#include <string>

#include "history_file.h"
#include "line_source.h"

namespace utcalc {

namespace {

constexpr int kHistoryLength = 1000;

char* Prompt(EditLine*) { return const_cast<char*>(kPrompt); }

class EditedLineSource final : public LineSource {
 public:
  explicit EditedLineSource(const char* programName)
      : editor_(el_init(programName, stdin, stdout, stderr)),
        history_(history_init()),
        historyPath_(HistoryFilePath()),
        interruptHandler_(std::signal(SIGINT, SIG_IGN)) {}

  ~EditedLineSource() override {
    std::signal(SIGINT, interruptHandler_);
    if (editor_ != nullptr) el_end(editor_);
    if (history_ != nullptr) history_end(history_);
  }

  EditedLineSource(const EditedLineSource&) = delete;
  EditedLineSource& operator=(const EditedLineSource&) = delete;

  bool Started() {
    if (editor_ == nullptr || history_ == nullptr) return false;
    history(history_, &event_, H_SETSIZE, kHistoryLength);
    history(history_, &event_, H_SETUNIQUE, 1);
    if (!historyPath_.empty()) history(history_, &event_, H_LOAD, historyPath_.c_str());
    el_set(editor_, EL_CLIENTDATA, this);
    el_set(editor_, EL_EDITOR, "emacs");
    el_set(editor_, EL_SIGNAL, 1);
    el_set(editor_, EL_PROMPT, &Prompt);
    el_set(editor_, EL_HIST, &history, history_);
    el_set(editor_, EL_SETTY, "-d", "-isig", nullptr);
    el_set(editor_, EL_ADDFN, "utcalc-abandon", "abandon the line", &Abandon);
    el_set(editor_, EL_BIND, "^C", "utcalc-abandon", nullptr);
    return true;
  }

  InputLine Next() override {
    int count = 0;
    abandoned_ = false;
    const char* text = el_gets(editor_, &count);
    if (abandoned_) return {InputLine::Kind::Abandoned, {}};
    if (text == nullptr || count <= 0) {
      std::fputc('\n', stdout);
      return {InputLine::Kind::End, {}};
    }
    std::string line(text, static_cast<std::size_t>(count));
    if (line.ends_with('\n')) line.pop_back();
    Remember(line);
    return {InputLine::Kind::Line, line};
  }

 private:
  static unsigned char Abandon(EditLine* editor, int) {
    void* source = nullptr;
    el_get(editor, EL_CLIENTDATA, &source);
    static_cast<EditedLineSource*>(source)->abandoned_ = true;
    std::fputs("^C\n", stdout);
    return CC_NEWLINE;
  }

  // Saved after every line, so a session that is killed keeps its lines.
  void Remember(const std::string& line) {
    if (line.find_first_not_of(" \t\r") == std::string::npos) return;
    history(history_, &event_, H_ENTER, line.c_str());
    if (!historyPath_.empty()) history(history_, &event_, H_SAVE, historyPath_.c_str());
  }

  EditLine* editor_;
  History* history_;
  HistEvent event_{};
  std::string historyPath_;
  void (*interruptHandler_)(int);
  bool abandoned_ = false;
};

}  // namespace

bool LineEditingAvailable() { return true; }

std::unique_ptr<LineSource> EditedLines(const char* programName) {
  auto source = std::make_unique<EditedLineSource>(programName);
  if (!source->Started()) return nullptr;
  return source;
}

}  // namespace utcalc
