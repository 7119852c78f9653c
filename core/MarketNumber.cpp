#include "core/MarketNumber.h"

#include <algorithm>

namespace dunemark {

std::uint32_t MarketOfTheDay(std::chrono::year_month_day date) {
    // A clock far outside the years of four digits still gives a number within the range.
    const int year = std::clamp(static_cast<int>(date.year()), 1, 9999);
    return static_cast<std::uint32_t>(year) * 10'000 + static_cast<unsigned>(date.month()) * 100 +
           static_cast<unsigned>(date.day());
}

std::optional<std::uint32_t> ReadMarketNumber(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    if (text.empty())
        return std::nullopt;

    std::uint64_t number = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        number = number * 10 + static_cast<unsigned>(c - '0');
        if (number > HighestMarketNumber) // also keeps a long run of digits from overflowing
            return std::nullopt;
    }
    if (number < LowestMarketNumber)
        return std::nullopt;
    return static_cast<std::uint32_t>(number);
}

} // namespace dunemark
