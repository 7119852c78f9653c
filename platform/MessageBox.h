#pragma once

#include <string>

namespace dunemark {

enum class MsgIcon { None, Information, Exclamation, Question, Critical };
enum class MsgButtons { Ok, YesNo };
enum class MsgResult { Ok, Yes, No };

// A modal message box: the caller waits until it is closed and learns which button was pressed.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual MsgResult Show(const std::string& text, const std::string& title, MsgIcon icon,
                           MsgButtons buttons) = 0;
};

} // namespace dunemark
