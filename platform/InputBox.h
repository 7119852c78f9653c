#pragma once

#include <string>

namespace dunemark {

// A modal input box with a prompt, a title and one empty line to type into. Gives the typed
// text, or the empty text when the user cancels.
class InputBox {
public:
    virtual ~InputBox() = default;
    virtual std::string Ask(const std::string& prompt, const std::string& title) = 0;
};

} // namespace dunemark
