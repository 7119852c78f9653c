#pragma once

#include <string>
#include <string_view>

// Marks a text that the windows translate, under a context of translations ("Phrase", "Goods"),
// so that lupdate finds it; to the compiler it is the text itself.
#define DUNEMARK_NOOP(context, text) text

namespace dunemark {

// Everything the rules say to the player, named rather than written, so that the windows can say
// it in the player's language. Each phrase takes at most one value.
enum class Phrase {
    PricesLow,
    MarketFlooded,
    PharaohNeeds,
    PricesHigh,
    FavourBonus,
    DayCaption,
    Mugged,
    BankRobbed,
    LastDay,
    GameOverTotal,
    CannotAfford,
    NoSlaveSpace,
    NothingToSell,
    GiftTooDear,
    SlavesTooDear,
    NoSlavesLeft,
    BankTooDear,
    Burial0,
    Burial1,
    Burial2,
    Burial3,
    Burial4,
    Burial5,
    BurialShort0,
    BurialShort1,
    BurialShort2,
    BurialShort3,
    BurialShort4,
    BurialShort5,
    DesertStory,
};

// A phrase with its value: an item's name, a day or a sum of money already written out.
struct Said {
    Phrase phrase;
    std::string value;
    Said(Phrase p, std::string v = {}) // NOLINT: a bare phrase is a saying without a value
        : phrase(p)
        , value(std::move(v)) {}
    bool operator==(const Said&) const = default;
};

// The English of a phrase, with "%1" where its value goes.
std::string_view EnglishPattern(Phrase phrase);

// Whether the value of a phrase is the name of a good, which the windows translate as well.
bool NamesAGood(Phrase phrase);

// Whether the value of a phrase is a sum of money, which the windows write as the locale does.
bool NamesMoney(Phrase phrase);

// The phrase in English with its value put in: the game's own texts.
std::string InEnglish(const Said& said);

// How the player is spoken to: English unless the windows bring a translation.
class Speech {
public:
    virtual ~Speech() = default;
    virtual std::string Say(const Said& said) const = 0;
};

// The English speech, which the rules use when they are given none.
const Speech& EnglishSpeech();

} // namespace dunemark
