#pragma once

#include <string>
#include <string_view>

namespace dunemark {

// The number a text begins with: blanks are skipped, then an optional sign, digits, a decimal
// point and an exponent are read; the reading stops at the first other character. A text that
// does not begin with a number gives 0. A number too large for a double gives the largest one.
double LeadingNumber(std::string_view text);

// A number in plain number text: digits, a leading "-" when negative, the decimal point and the
// fraction only when there is one, no grouping separators.
std::string PlainNumber(double value);

// Money as the game shows it: rounded to a whole number, digits grouped in threes with the given
// separator, a leading "-" when negative, and the empty text for 0.
std::string FormatMoney(double value, std::string_view groupSeparator);

} // namespace dunemark
