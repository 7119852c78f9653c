#pragma once

#include <string>
#include <variant>

namespace dunemark {

// A cell of the market and holdings tables: empty, a text, or a number.
using Cell = std::variant<std::monostate, std::string, double>;

// An empty cell and an empty text both count as empty.
bool IsEmpty(const Cell& cell);

// The cell as a number: a text is read as the number it spells, an empty cell is 0.
double CellNumber(const Cell& cell);

// The cell as it is shown: a number in plain number text, a text unchanged, empty as "".
std::string CellText(const Cell& cell);

} // namespace dunemark
