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

// How a number box compares its number with its limit: by the whole part (quantities) or
// exactly, fractions included (amounts of money).
enum class LimitCheck { WholePart, Exact };

// The text a number box holds after any change: the number the text begins with, in plain
// number text; 0 for a negative number; the limit for a number above it. A negative limit
// counts as 0.
std::string NumberBoxText(std::string_view text, double limit, LimitCheck check);

} // namespace dunemark
