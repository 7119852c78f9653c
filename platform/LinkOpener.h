#pragma once

#include <string>

namespace dunemark {

// Opens a web address in the user's browser or a "mailto:" link in the mail program. Nothing is
// reported when it cannot.
class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    virtual void Open(const std::string& link) = 0;
};

} // namespace dunemark
