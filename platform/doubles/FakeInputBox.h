#pragma once

#include "platform/InputBox.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace dunemark {

// Records every prompt and answers from a queue; an empty queue answers as Cancel does.
class FakeInputBox final : public InputBox {
public:
    std::string Ask(const std::string& prompt, const std::string& title) override {
        asked.push_back({prompt, title});
        if (onAsk)
            onAsk(asked.back());
        if (answers.empty())
            return {};
        std::string answer = answers.front();
        answers.pop_front();
        return answer;
    }

    struct Prompt {
        std::string prompt;
        std::string title;
    };
    std::vector<Prompt> asked;
    std::deque<std::string> answers;
    // Runs while the box is "open", to look at the windows at that moment.
    std::function<void(const Prompt&)> onAsk;
};

} // namespace dunemark
