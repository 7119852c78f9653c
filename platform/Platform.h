#pragma once

#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/InputBox.h"
#include "platform/LinkOpener.h"
#include "platform/MessageBox.h"
#include "platform/ModalShower.h"
#include "platform/RandomSource.h"
#include "platform/SettingsStore.h"

namespace dunemark {

// Everything the windows ask of their surroundings, handed to the main window at start-up.
struct Platform {
    MessageBox& messages;
    InputBox& input;
    SettingsStore& settings;
    Clock& clock;
    RandomSource& random;
    LinkOpener& links;
    ModalShower& modal;
    Clipboard& clipboard;
};

} // namespace dunemark
