// Error reasons quote the input ("not a literal: '1A ns'"); a quote longer
// than kQuoteLimit characters is cut there and marked, so a megabyte of bad
// input gives one readable line.
#ifndef UTCALC_ERROR_EXCERPT_H
#define UTCALC_ERROR_EXCERPT_H

#include <string>
#include <string_view>

namespace utcalc {

inline constexpr std::size_t kQuoteLimit = 60;

std::string WithShortQuotes(std::string_view reason);

}  // namespace utcalc

#endif
