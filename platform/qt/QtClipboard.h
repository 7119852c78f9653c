#pragma once

#include "platform/Clipboard.h"

namespace dunemark {

class QtClipboard final : public Clipboard {
public:
    void Copy(const std::string& text) override;
};

} // namespace dunemark
