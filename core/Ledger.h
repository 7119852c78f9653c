#pragma once

#include "core/DeclareVars.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace dunemark {

// What the player has seen in one game, day by day from day 0: the prices of the town he was in,
// his fortune (cash plus bank minus loan, what the end of the game counts) and his worth (that
// fortune plus the goods he carries at the prices of the town he is in). The day under way keeps
// the latest figures, so a finished day keeps those it ended with.
class Ledger {
public:
    void Clear();

    // Day `day` as the player sees it now, in the town he is in.
    void See(std::int16_t day, const DeclareVars& vars);

    // How many days have been seen: days 0 to DaysSeen() - 1.
    int DaysSeen() const { return static_cast<int>(days_.size()); }

    // The price of item `item` (1..10) in `town` on `day`, only if the player was there then.
    std::optional<std::int32_t> Price(int day, int town, int item) const;

    std::optional<std::int32_t> Fortune(int day) const;
    std::optional<std::int64_t> Worth(int day) const;

    // The latest price of item `item` seen in `town`, and the day it was seen.
    struct Sighting {
        std::int32_t price = 0;
        int day = 0;
    };
    std::optional<Sighting> LastSeen(int town, int item) const;

private:
    struct Day {
        int town = -1; // -1: not seen
        std::array<std::int32_t, ItemCount> prices{};
        std::int32_t fortune = 0;
        std::int64_t worth = 0;
    };
    const Day* Seen(int day) const;

    std::vector<Day> days_;
};

} // namespace dunemark
