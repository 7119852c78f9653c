#pragma once

#include "core/Phrases.h"

#include <QString>
#include <string>

namespace dunemark {

// What the rules say, in the player's language: the translation of the phrase with its value put
// in, a good's name translated too. With no translation loaded, exactly the English.
QString Say(const Said& said);

// A good's name as the player reads it; other names (the towns) stay as they are.
QString GoodName(const std::string& englishName);

// The speech the windows hand to the rules.
class QtSpeech final : public Speech {
public:
    std::string Say(const Said& said) const override;
};

} // namespace dunemark
