#pragma once

#include "core/DeclareVars.h"
#include "core/Ledger.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace dunemark {

// A game's length: the last trading day.
inline constexpr std::int16_t GameDays = 45;

// The main window's own tables and counters; the window owns them and the rules take them as
// an argument. Index k - 1 of the item tables belongs to item k.
struct MainTables {
    std::array<std::string, ItemCount> ItemNames{};
    std::array<std::int32_t, ItemCount> BasePrices{};
    std::array<std::string, TownCount> TownNames{};
    std::int16_t CurrentDay = 0; // days begun in this game
    std::int16_t LastDay = GameDays;
    Boolean MishapsEnabled = VbTrue;
    Ledger Record; // what the player has seen in this game
    // The number of a market game, whose chances the number decides; none in an ordinary game.
    std::optional<std::uint32_t> MarketNumber;
};

} // namespace dunemark
