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
                   MsgButtons buttons) override;

    std::vector<ShownMessage> shown;
    std::deque<MsgResult> answers;
    // Runs while a box is "open", to look at the windows at that moment.
    std::function<void(const ShownMessage&)> onShow;

    std::vector<std::string> Texts() const;
};

} // namespace dunemark
