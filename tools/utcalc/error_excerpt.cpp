#include "error_excerpt.h"

namespace utcalc {

std::string WithShortQuotes(std::string_view reason) {
  std::string shortened;
  std::size_t position = 0;
  for (;;) {
    const std::size_t open = reason.find('\'', position);
    const std::size_t close = open == std::string_view::npos ? open : reason.find('\'', open + 1);
    if (close == std::string_view::npos) break;
    const std::string_view quoted = reason.substr(open + 1, close - open - 1);
    shortened.append(reason.substr(position, open + 1 - position));
    // The quote starts at the error's column: its first characters matter.
    shortened.append(quoted.substr(0, kQuoteLimit));
    if (quoted.size() > kQuoteLimit) shortened.append("...");
    shortened.push_back('\'');
    position = close + 1;
  }
  shortened.append(reason.substr(position));
  return shortened;
}

}  // namespace utcalc
