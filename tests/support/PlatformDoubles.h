#pragma once

#include "platform/Platform.h"
#include "platform/doubles/FakeClock.h"
#include "platform/doubles/FakeInputBox.h"
#include "platform/doubles/FakeLinkOpener.h"
#include "platform/doubles/FakeMessageBox.h"
#include "platform/doubles/MemorySettingsStore.h"
#include "platform/doubles/ScriptedModalShower.h"
#include "platform/doubles/ScriptedRandom.h"

namespace dunemark {

// Every seam of the platform replaced by a double that records and can be scripted.
struct PlatformDoubles {
    FakeMessageBox messages;
    FakeInputBox input;
    MemorySettingsStore settings;
    FakeClock clock;
    ScriptedRandom random;
    FakeLinkOpener links;
    ScriptedModalShower modal;
    Platform platform{messages, input, settings, clock, random, links, modal};
};

} // namespace dunemark
