#pragma once

#include "core/Phrases.h"

#include <cstdint>

namespace dunemark {

// Where the player is buried, from 0 (next to the gods) down to 5 (tossed into the desert).
// Ranks 0 to 4 each have a picture; rank 5 has the desert story instead.
inline constexpr int BurialRanks = 6;
inline constexpr int DesertRank = 5;

// The rank a final total earns: each step must be beaten, not merely reached.
int BurialRank(std::int32_t total);

// The caption shown under the picture for a rank (0 to 5).
Said BurialCaption(int rank);

// The total that rank `rank` (0 to 4) must exceed; the desert has no threshold of its own.
std::int32_t BurialThreshold(int rank);

// A short form of a rank's caption, to label a line or a column: "next to the Gods".
Said BurialShortCaption(int rank);

// The story told instead of a picture for the lowest rank.
Said DesertStory();

} // namespace dunemark
