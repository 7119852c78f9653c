#pragma once

#include "platform/MessageBox.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace dunemark {

struct ShownMessage {
    std::string text;
    std::string title;
    MsgIcon icon;
    MsgButtons buttons;
    bool operator==(const ShownMessage&) const = default;
};

// Records every message box in order and answers from a queue. With the queue empty an OK box
// answers OK and a Yes/No box answers No.
class FakeMessageBox final : public MessageBox {
public:
    MsgResult Show(const std::string& text, const std::string& title, MsgIcon icon,
                   MsgButtons buttons) override {
        shown.push_back({text, title, icon, buttons});
        if (onShow)
            onShow(shown.back()); // while the box is "open", to look at the windows then
        const MsgResult answer =
            answers.empty() ? (buttons == MsgButtons::YesNo ? MsgResult::No : MsgResult::Ok)
                            : answers.front();
        if (!answers.empty())
            answers.pop_front();
        return answer;
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

} // namespace dunemark
