#pragma once

#include "platform/InputBox.h"

#include <memory>

class QInputDialog;

namespace dunemark {

class QtInputBox final : public InputBox {
public:
    std::string Ask(const std::string& prompt, const std::string& title) override;

    // The prompt that Ask opens, centred over the active window, not yet shown.
    static std::unique_ptr<QInputDialog> Build(const std::string& prompt, const std::string& title);
};

} // namespace dunemark
