#include "core/Cell.h"

#include "core/NumberText.h"

namespace dunemark {

bool IsEmpty(const Cell& cell) {
    if (const auto* text = std::get_if<std::string>(&cell))
        return text->empty();
    return std::holds_alternative<std::monostate>(cell);
}

double CellNumber(const Cell& cell) {
    if (const auto* number = std::get_if<double>(&cell))
        return *number;
    if (const auto* text = std::get_if<std::string>(&cell))
        return LeadingNumber(*text);
    return 0.0;
}

std::string CellText(const Cell& cell) {
    if (const auto* number = std::get_if<double>(&cell))
        return PlainNumber(*number);
    if (const auto* text = std::get_if<std::string>(&cell))
        return *text;
    return {};
}

} // namespace dunemark
