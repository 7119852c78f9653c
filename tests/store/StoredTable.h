#pragma once

#include "scores/HighScoreTable.h"

#include <string>

namespace dunemark {

// Place k of whole table number n: every place names its table, so a table read back shows
// whether it is one whole table or a mix of two.
inline HighScoreEntry TablePlace(long number, int k) {
    return {"Table " + std::to_string(number) + " place " + std::to_string(k),
            std::to_string(number), static_cast<std::int32_t>(number * 100 + HighScorePlaces - k)};
}

} // namespace dunemark
