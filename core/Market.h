#pragma once

#include "core/DeclareVars.h"
#include "core/GameServices.h"
#include "core/MainTables.h"

#include <cstdint>

namespace dunemark {

// A market event in the town the player enters: a chance of one in `chance` for each item,
// tried in the order below, and the price it makes as a share of the usual one (the low
// prices take it of the base price before the day's spread is added).
struct MarketEventRule {
    int chance;
    double priceFactor;
};
inline constexpr MarketEventRule LowPrices{60, 0.5};
inline constexpr MarketEventRule Glut{90, 0.1};
inline constexpr MarketEventRule PharaohsDemand{180, 3};
inline constexpr MarketEventRule HighPrices{120, 2};

// The dearest price a day without an event can bring for an item of this base price; the
// cheapest is the base price itself.
std::int32_t HighestUsualPrice(std::int32_t basePrice);

// Works out the name and price of every item in every town for the market of `day` (0 at the
// start of a game, then the day a move begins). Only the town the player is in can have a market
// event; its message is shown unless the game is still on day 0.
void GenerateMarket(DeclareVars& vars, const MainTables& tables, GameServices& services,
                    std::int16_t day);

} // namespace dunemark
