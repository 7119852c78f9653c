#pragma once

#include "platform/MessageBox.h"

#include <memory>

class QMessageBox;

namespace dunemark {

class QtMessageBox final : public MessageBox {
public:
    MsgResult Show(const std::string& text, const std::string& title, MsgIcon icon,
                   MsgButtons buttons) override;

    // The box that Show opens, over the window that asks, not yet shown.
    static std::unique_ptr<QMessageBox> Build(const std::string& text, const std::string& title,
                                              MsgIcon icon, MsgButtons buttons);
};

} // namespace dunemark
