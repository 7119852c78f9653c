#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string_view>

namespace dunemark {

// A market number names a game whose every market, market event and danger is decided by the
// number: two players who play one number meet the same game, whatever each of them does.
inline constexpr std::uint32_t LowestMarketNumber = 1;
inline constexpr std::uint32_t HighestMarketNumber = 99'999'999;

// The market of the day: the date's digits, 20261207 for the 7th of December 2026.
std::uint32_t MarketOfTheDay(std::chrono::year_month_day date);

// The market number a player typed: digits only, with blanks around them at most, and within the
// range above. Anything else is no number.
std::optional<std::uint32_t> ReadMarketNumber(std::string_view text);

} // namespace dunemark
