#pragma once

#include "core/Phrases.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/RandomSource.h"

#include <string>
#include <string_view>

namespace dunemark {

// The program's title: the caption of the main window and of every message box without a
// title of its own.
inline constexpr std::string_view AppTitle = "Dunemark";

// What the rules ask of their surroundings.
struct GameServices {
    MessageBox& messages;
    RandomSource& random;
    Clock& clock;
    std::string groupSeparator;             // the user's thousands separator, for money in messages
    const Speech& speech = EnglishSpeech(); // the player's language
};

// A message with the OK button only, titled with the program's title.
void Tell(GameServices& services, const Said& said, MsgIcon icon);

} // namespace dunemark
