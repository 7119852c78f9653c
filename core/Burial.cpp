#include "core/Burial.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace dunemark {

namespace {

// The total that each rank above the desert must exceed, best rank first.
constexpr std::array<std::int32_t, DesertRank> RankThresholds{50'000'000, 20'000'000, 10'000'000,
                                                              500'000, 100'000};

constexpr std::array<std::string_view, BurialRanks> Captions{
    "You now claim residence next to the Gods",
    "You now claim residency next to the great Pharoahs",
    "You have a burial fit for a nobleman",
    "You are buried with people of your own class",
    "You are buried in a hole, in the desert",
    "You were just tossed into the desert",
};

constexpr std::array<std::string_view, BurialRanks> ShortCaptions{
    "next to the Gods",
    "next to the great Pharoahs",
    "a burial fit for a nobleman",
    "with people of your own class",
    "in a hole, in the desert",
    "tossed into the desert",
};

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

std::string BurialCaption(int rank) {
    return std::string(Captions[static_cast<std::size_t>(ValidRank(rank))]);
}

std::int32_t BurialThreshold(int rank) {
    return RankThresholds[static_cast<std::size_t>(std::min(ValidRank(rank), DesertRank - 1))];
}

std::string BurialShortCaption(int rank) {
    return std::string(ShortCaptions[static_cast<std::size_t>(ValidRank(rank))]);
}

std::string DesertStory() {
    std::string story = "You were left in the middle of the desert, without any food and water. ";
    story += "As you try to walk, the sun makes you thirsty, ";
    story += "and time makes you hungry. ";
    story += "The wind joins forces with the sand, to make it impossible ";
    story += "for you to do anything. ";
    story += "You collapse to the floor, and take your last breath of air.";
    return story;
}

} // namespace dunemark
