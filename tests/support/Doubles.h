#pragma once

#include "forms/Grid.h"
#include "forms/TownLabel.h"
#include "forms/frmMain.h"
#include "platform/Platform.h"
#include "platform/doubles/FakeClock.h"
#include "platform/doubles/FakeInputBox.h"
#include "platform/doubles/FakeLinkOpener.h"
#include "platform/doubles/FakeMessageBox.h"
#include "platform/doubles/MemorySettingsStore.h"
#include "platform/doubles/ScriptedModalShower.h"
#include "platform/doubles/ScriptedRandom.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace dunemark {

// Every seam of the platform replaced by a double that records and can be scripted.
struct PlatformDoubles {
    // Queues a script for the next dialog of that type shown through the modal seam.
    template <typename Dialog> void Next(std::function<void(Dialog&)> script) {
        modal.scripts.push_back([script](QDialog& shown) { script(dynamic_cast<Dialog&>(shown)); });
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

// A shown main window with a fresh game; every draw is 0, so each price is its base price.
class MainWindowTest : public ::testing::Test, protected PlatformDoubles {
protected:
    MainWindowTest() { window->show(); }

    // Moves back and forth between two towns until the given day has begun.
    void TravelUntilDay(int day) {
        while (window->Tables().CurrentDay < day)
            window->lblTown_Click(vars.CurrentTown == 0 ? 1 : 0);
    }
    void NewGame() {
        messages.answers = {MsgResult::Yes};
        window->mnuNewGame->trigger();
    }

    DeclareVars vars;
    std::unique_ptr<frmMain> window = std::make_unique<frmMain>(vars, platform);
};

} // namespace dunemark
