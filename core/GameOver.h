#pragma once

#include "core/Phrases.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace dunemark {

// The player's total at the end of a game: bank balance plus cash minus the loan. Worked out
// wide, so a total beyond the range of money stays at its limit instead of wrapping.
std::int32_t FinalTotal(std::int32_t bankBalance, std::int32_t cash, std::int32_t debt);

// What the player is told when the game ends: the total on a line of its own, written as money
// (so a total of 0 leaves that line empty).
Said GameOverMessage(std::int32_t total, std::string_view groupSeparator);

} // namespace dunemark
