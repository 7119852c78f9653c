#include "core/Burial.h"

#include <algorithm>
#include <array>

namespace dunemark {

namespace {

// The total that each rank above the desert must exceed, best rank first.
constexpr std::array<std::int32_t, DesertRank> RankThresholds{50'000'000, 20'000'000, 10'000'000,
                                                              500'000, 100'000};

int ValidRank(int rank) {
    return rank < 0 || rank >= BurialRanks ? DesertRank : rank;
}

} // namespace

int BurialRank(std::int32_t total) {
    for (int rank = 0; rank < DesertRank; ++rank) {
        if (total > RankThresholds[static_cast<std::size_t>(rank)])
            return rank;
    }
    return DesertRank;
}

Said BurialCaption(int rank) {
    return static_cast<Phrase>(static_cast<int>(Phrase::Burial0) + ValidRank(rank));
}

std::int32_t BurialThreshold(int rank) {
    return RankThresholds[static_cast<std::size_t>(std::min(ValidRank(rank), DesertRank - 1))];
}

Said BurialShortCaption(int rank) {
    return static_cast<Phrase>(static_cast<int>(Phrase::BurialShort0) + ValidRank(rank));
}

Said DesertStory() {
    return Phrase::DesertStory;
}

} // namespace dunemark
