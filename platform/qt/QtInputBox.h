#pragma once

#include "platform/InputBox.h"

namespace dunemark {

class QtInputBox final : public InputBox {
public:
    std::string Ask(const std::string& prompt, const std::string& title) override;
};

} // namespace dunemark
