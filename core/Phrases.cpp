#include "core/Phrases.h"

#include <array>

namespace dunemark {

namespace {

// In the order of Phrase.
constexpr std::array<std::string_view, static_cast<std::size_t>(Phrase::DesertStory) + 1> Patterns{
    DUNEMARK_NOOP("Phrase", "%1 prices are low"),
    DUNEMARK_NOOP("Phrase", "The market has been flooded with cheap %1 and so prices are very low"),
    DUNEMARK_NOOP("Phrase",
                  "The Pharoah needs %1 for his personal use, and so\r\nthe price has gone up"),
    DUNEMARK_NOOP("Phrase", "%1 prices are high"),
    DUNEMARK_NOOP("Phrase",
                  "The Pharoah is pleased with you progress\r\nYou received a cash bonus of %1"),
    DUNEMARK_NOOP("Phrase", "Dunemark - Day %1"),
    DUNEMARK_NOOP("Phrase", "You have been mugged"),
    DUNEMARK_NOOP("Phrase", "Your pyramid bank was robbed, half your fortune has gone"),
    DUNEMARK_NOOP("Phrase", "This is you last day, better sell your stock"),
    DUNEMARK_NOOP("Phrase", "You managed to get a total of \r\n%1"),
    DUNEMARK_NOOP("Phrase", "You aint got the dosh mate"),
    DUNEMARK_NOOP("Phrase", "Ya not got enuff slaves"),
    DUNEMARK_NOOP("Phrase", "Nothing there to sell"),
    DUNEMARK_NOOP("Phrase", "You haven't got the money, to buy that gift"),
    DUNEMARK_NOOP("Phrase", "You seem to be lacking the money"),
    DUNEMARK_NOOP("Phrase", "There are no more slaves for you to buy"),
    DUNEMARK_NOOP("Phrase", "You not got the money"),
    DUNEMARK_NOOP("Phrase", "You now claim residence next to the Gods"),
    DUNEMARK_NOOP("Phrase", "You now claim residency next to the great Pharoahs"),
    DUNEMARK_NOOP("Phrase", "You have a burial fit for a nobleman"),
    DUNEMARK_NOOP("Phrase", "You are buried with people of your own class"),
    DUNEMARK_NOOP("Phrase", "You are buried in a hole, in the desert"),
    DUNEMARK_NOOP("Phrase", "You were just tossed into the desert"),
    DUNEMARK_NOOP("Phrase", "next to the Gods"),
    DUNEMARK_NOOP("Phrase", "next to the great Pharoahs"),
    DUNEMARK_NOOP("Phrase", "a burial fit for a nobleman"),
    DUNEMARK_NOOP("Phrase", "with people of your own class"),
    DUNEMARK_NOOP("Phrase", "in a hole, in the desert"),
    DUNEMARK_NOOP("Phrase", "tossed into the desert"),
    DUNEMARK_NOOP("Phrase",
                  "You were left in the middle of the desert, without any food and water. "
                  "As you try to walk, the sun makes you thirsty, and time makes you hungry. "
                  "The wind joins forces with the sand, to make it impossible for you to do "
                  "anything. You collapse to the floor, and take your last breath of air."),
};

class English final : public Speech {
public:
    std::string Say(const Said& said) const override { return InEnglish(said); }
};

} // namespace

std::string_view EnglishPattern(Phrase phrase) {
    return Patterns[static_cast<std::size_t>(phrase)];
}

bool NamesAGood(Phrase phrase) {
    return phrase <= Phrase::PricesHigh;
}

bool NamesMoney(Phrase phrase) {
    return phrase == Phrase::FavourBonus || phrase == Phrase::GameOverTotal;
}

std::string InEnglish(const Said& said) {
    std::string text(EnglishPattern(said.phrase));
    if (const auto at = text.find("%1"); at != std::string::npos)
        text.replace(at, 2, said.value);
    return text;
}

const Speech& EnglishSpeech() {
    static const English english;
    return english;
}

} // namespace dunemark
