#include "options.h"

#include <string_view>

#include "unit_names.h"

namespace utcalc {

namespace {

using Style = OutputFormat::Style;

class OptionReader {
 public:
  OptionReader(int argc, const char* const* argv) : argc_(argc), argv_(argv) {}

  Options Read() {
    bool optionsEnded = false;
    for (index_ = 1; index_ < argc_; ++index_) {
      const std::string_view argument = argv_[index_];
      if (!optionsEnded && argument == "--") {
        optionsEnded = true;
      } else if (!optionsEnded && (argument.starts_with("--") || argument == "-h")) {
        Option(argument);
      } else {
        AppendExpression(argument);
      }
    }
    return options_;
  }

 private:
  void Option(std::string_view argument) {
    if (argument == "--help" || argument == "-h") {
      options_.help = true;
    } else if (argument == "--version") {
      options_.version = true;
    } else if (argument == "--analog" || argument == "--no-analog") {
      options_.analog = argument == "--analog";
    } else if (argument == "--based" || argument == "--no-based") {
      options_.basedLiterals = argument == "--based";
    } else if (argument == "--lib") {
      options_.libraryOperators = true;
    } else if (argument == "--fs") {
      SetStyle(Style::Ticks, argument);
    } else if (argument == "--hex") {
      SetStyle(Style::Hexadecimal, argument);
    } else if (argument == "--unit" || argument.starts_with("--unit=")) {
      const std::string_view name =
          argument == "--unit" ? NextArgument(argument) : argument.substr(7);
      if (name == "auto") {
        SetStyle(Style::Automatic, "--unit");
      } else {
        SetStyle(Style::InUnit, "--unit");
        options_.output.unit = Unit(name);
      }
    } else {
      throw UsageError{"unknown option '" + std::string(argument) + "'"};
    }
  }

  void SetStyle(Style style, std::string_view option) {
    if (options_.output.style != Style::Automatic && options_.output.style != style) {
      throw UsageError{std::string(option) + ": --unit, --fs and --hex exclude each other"};
    }
    options_.output.style = style;
  }

  std::string_view NextArgument(std::string_view option) {
    if (++index_ >= argc_) throw UsageError{std::string(option) + " needs a value"};
    return argv_[index_];
  }

  static TimeUnit Unit(std::string_view name) {
    if (const std::optional<TimeUnit> unit = UnitNamed(name)) return *unit;
    throw UsageError{"unknown unit '" + std::string(name) + "' (auto fs ps ns us ms sec min hr)"};
  }

  void AppendExpression(std::string_view argument) {
    if (options_.expression) {
      *options_.expression += ' ';
      *options_.expression += argument;
    } else {
      options_.expression = std::string(argument);
    }
  }

  int argc_;
  const char* const* argv_;
  int index_ = 1;
  Options options_;
};

}  // namespace

Options ParseOptions(int argc, const char* const* argv) { return OptionReader(argc, argv).Read(); }

}  // namespace utcalc
