#pragma once

#include "core/GameServices.h"
#include "core/MainTables.h"

#include <cstdint>

namespace dunemark {

// What a draw decides. In a market game the values are part of every market's definition: a
// purpose keeps its number for good.
enum class DrawPurpose : std::uint8_t {
    LowPrices = 1,
    Glut = 2,
    PharaohsDemand = 3,
    HighPrices = 4,
    Price = 5,
    Mugging = 6,
    Robbery = 7,
    Bonus = 8,
};

// A draw named by the day it belongs to, the town and item it is for (NoTown and NoItem for the
// dangers of a day) and what it decides.
inline constexpr int NoTown = -1;
inline constexpr int NoItem = 0;
struct DrawKey {
    std::int16_t day;
    int town;
    int item;
    DrawPurpose purpose;
};

// The draw of a market game: a value in [0, 1), a whole number of 2^-24, worked out from the
// market's number and the key alone in integer arithmetic, so it is the same on every machine
// and whatever draws came before it.
float NumberedDraw(std::uint32_t market, const DrawKey& key);

// A draw of the game: in a market game the numbered draw for `key`, otherwise the generator's
// next value.
float Draw(GameServices& services, const MainTables& tables, const DrawKey& key);

// A chance of one in n: a draw u for which the whole part of u * n is 1.
bool OneChanceIn(float u, int n);

} // namespace dunemark
