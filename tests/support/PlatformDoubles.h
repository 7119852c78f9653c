#pragma once

#include "platform/Platform.h"
#include "platform/doubles/FakeClock.h"
#include "platform/doubles/FakeInputBox.h"
#include "platform/doubles/FakeLinkOpener.h"
#include "platform/doubles/FakeMessageBox.h"
#include "platform/doubles/MemorySettingsStore.h"
#include "platform/doubles/ScriptedModalShower.h"
#include "platform/doubles/ScriptedRandom.h"

#include <QDialog>
#include <functional>
#include <type_traits>

namespace dunemark {

// Every seam of the platform replaced by a double that records and can be scripted.
struct PlatformDoubles {
    // Shows the dialog through the modal seam, as its opener does, and runs `script` on it while
    // it is shown; gives what the showing gave back.
    template <typename Dialog>
    int Drive(Dialog& dialog, const std::function<void(std::type_identity_t<Dialog>&)>& script) {
        modal.scripts.push_back([&](QDialog&) { script(dialog); });
        return modal.ShowModal(dialog);
    }

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
