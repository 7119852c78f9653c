#include "platform/doubles/FakeMessageBox.h"

namespace dunemark {

MsgResult FakeMessageBox::Show(const std::string& text, const std::string& title, MsgIcon icon,
                               MsgButtons buttons) {
    shown.push_back({text, title, icon, buttons});
    if (onShow)
        onShow(shown.back());
    if (!answers.empty()) {
        const MsgResult answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return buttons == MsgButtons::YesNo ? MsgResult::No : MsgResult::Ok;
}

std::vector<std::string> FakeMessageBox::Texts() const {
    std::vector<std::string> texts;
    for (const auto& message : shown)
        texts.push_back(message.text);
    return texts;
}

} // namespace dunemark
