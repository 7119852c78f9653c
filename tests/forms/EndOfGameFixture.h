#pragma once

#include "core/DeclareVars.h"
#include "platform/Platform.h"
#include "platform/doubles/FakeClock.h"
#include "platform/doubles/FakeLinkOpener.h"
#include "platform/doubles/FakeMessageBox.h"
#include "platform/doubles/MemorySettingsStore.h"
#include "platform/doubles/ScriptedModalShower.h"
#include "platform/doubles/ScriptedRandom.h"

#include <QApplication>
#include <QDialog>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace dunemark {

// An input box that records every prompt and whether any window stood visible at the time.
class WatchingInputBox final : public InputBox {
public:
    std::string Ask(const std::string& prompt, const std::string& title) override {
        bool windowShown = false;
        for (const QWidget* window : QApplication::topLevelWidgets())
            windowShown = windowShown || window->isVisible();
        asked.push_back({prompt, title, windowShown});
        return answer;
    }

    struct Prompt {
        std::string prompt;
        std::string title;
        bool windowShown;
    };
    std::vector<Prompt> asked;
    std::string answer;
};

// The end of a game, with every platform service faked.
class EndOfGameFixture : public ::testing::Test {
protected:
    // Opens a window as its opener does and runs `script` on it while it is shown.
    template <typename Window, typename... Args>
    void Open(const std::function<void(Window&)>& script, Args&&... args) {
        Window window(std::forward<Args>(args)...);
        modal.scripts.push_back([&](QDialog&) { script(window); });
        modal.ShowModal(window);
    }

    DeclareVars vars;
    FakeMessageBox messages;
    WatchingInputBox input;
    MemorySettingsStore settings;
    FakeClock clock;
    ScriptedRandom random;
    FakeLinkOpener links;
    ScriptedModalShower modal;
    Platform platform{messages, input, settings, clock, random, links, modal};
};

} // namespace dunemark
