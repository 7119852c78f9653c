#pragma once

#include "platform/LinkOpener.h"

#include <string>
#include <vector>

namespace dunemark {

class FakeLinkOpener final : public LinkOpener {
public:
    void Open(const std::string& link) override { opened.push_back(link); }
    std::vector<std::string> opened;
};

} // namespace dunemark
