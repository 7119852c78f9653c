#pragma once

#include "platform/LinkOpener.h"

namespace dunemark {

class QtLinkOpener final : public LinkOpener {
public:
    void Open(const std::string& link) override;
};

} // namespace dunemark
