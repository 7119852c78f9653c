#pragma once

#include <string>

namespace dunemark {

// The desktop's clipboard, for a text the player pastes elsewhere.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void Copy(const std::string& text) = 0;
};

} // namespace dunemark
