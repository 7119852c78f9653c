#pragma once

#include <cstdint>
#include <string>

namespace dunemark {

// One place of the high-score table.
struct HighScoreEntry {
    std::string Name; // as the player typed it, never trimmed
    std::string Date; // the date text as stored, never parsed
    std::int32_t Total = 0;

    bool operator==(const HighScoreEntry&) const = default;
};

// What a place holds when nothing worth keeping was stored there.
inline HighScoreEntry DefaultHighScore() {
    return {"Nobody", "00/00/00", 100};
}

} // namespace dunemark
