#pragma once

// Doubles of the platform that record what the game asks and answer from a script. They are for
// the tests alone, never the program.
#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/InputBox.h"
#include "platform/LinkOpener.h"
#include "platform/MessageBox.h"
#include "platform/RandomSource.h"
#include "platform/SettingsStore.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace dunemark {

// The answer at the front of a queue, taken from it, or `otherwise` when it is empty.
template <typename T> T TakeFront(std::deque<T>& queue, T otherwise) {
    if (!queue.empty())
        otherwise = queue.front(), queue.pop_front();
    return otherwise;
}

struct ShownMessage {
    std::string text, title;
    MsgIcon icon;
    MsgButtons buttons;
    bool operator==(const ShownMessage&) const = default;
};

// Records every message box in order and answers from a queue; with the queue empty an OK box
// answers OK and a Yes/No box No. `onShow` runs while a box is "open".
struct FakeMessageBox final : MessageBox {
    MsgResult Show(const std::string& text, const std::string& title, MsgIcon icon,
                   MsgButtons buttons) override {
        shown.push_back({text, title, icon, buttons});
        if (onShow)
            onShow(shown.back());
        return TakeFront(answers, buttons == MsgButtons::YesNo ? MsgResult::No : MsgResult::Ok);
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const ShownMessage& message : shown)
            texts.push_back(message.text);
        return texts;
    }

    std::vector<ShownMessage> shown;
    std::deque<MsgResult> answers;
    std::function<void(const ShownMessage&)> onShow;
};

// Records every prompt and answers from a queue; an empty queue answers as Cancel does.
struct FakeInputBox final : InputBox {
    std::string Ask(const std::string& prompt, const std::string& title) override {
        asked.push_back({prompt, title});
        return TakeFront(answers, std::string());
    }

    std::vector<std::pair<std::string, std::string>> asked; // prompt, title
    std::deque<std::string> answers;
};

// A settings store held in memory. There is one copy of the program in memory, so an update
// just runs; with `refusal` set to anything but Saved, what it writes is dropped and it says so.
struct MemorySettingsStore final : SettingsStore {
    std::string GetSetting(const std::string& app, const std::string& section,
                           const std::string& key) override {
        const auto found = values.find({app, section, key});
        return found == values.end() ? std::string() : found->second;
    }
    void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                     const std::string& value) override {
        values[{app, section, key}] = value;
        ++writes;
    }
    SaveResult Read(const std::string&, const Reading& read) override {
        read(*this);
        return readResult;
    }
    SaveResult Update(const std::string&, const Change& change) override {
        MemorySettingsStore scratch = *this; // takes what a refused change writes
        change(Stored(refusal) ? *this : scratch);
        return refusal;
    }
    std::string FileBehind(const std::string&, SaveResult why) override {
        return "<store " + std::to_string(static_cast<int>(why)) + '>';
    }

    std::map<std::tuple<std::string, std::string, std::string>, std::string> values;
    int writes = 0;
    SaveResult refusal = SaveResult::Saved;
    SaveResult readResult = SaveResult::Saved; // what every reading gives
};

// Hands out the scripted draws in order, then `fallback` (0 by default: no chance event, the
// lowest price). Records every clock reading folded in.
struct ScriptedRandom final : RandomSource {
    float Rnd() override { return TakeFront(script, fallback); }
    void Randomize(double seed) override { seeds.push_back(seed); }
    // A draw that wins a chance of one in n.
    static float Wins(int n) { return 1.5f / static_cast<float>(n); }

    std::deque<float> script;
    float fallback = 0.0f;
    std::vector<double> seeds;
};

struct FakeClock final : Clock {
    double SecondsSinceMidnight() override { return seconds; }
    std::string ShortDate() override { return date; }
    std::chrono::year_month_day Today() override { return today; }

    double seconds = 43200.0;
    std::string date = "06/12/2026";
    std::chrono::year_month_day today = std::chrono::year(2026) / std::chrono::December / 6;
};

struct FakeClipboard final : Clipboard {
    void Copy(const std::string& text) override { copied.push_back(text); }
    std::vector<std::string> copied;
};

struct FakeLinkOpener final : LinkOpener {
    void Open(const std::string& link) override { opened.push_back(link); }
    std::vector<std::string> opened;
};

} // namespace dunemark
