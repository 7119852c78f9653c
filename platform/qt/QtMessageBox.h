#pragma once

#include "platform/MessageBox.h"

namespace dunemark {

class QtMessageBox final : public MessageBox {
public:
    MsgResult Show(const std::string& text, const std::string& title, MsgIcon icon,
                   MsgButtons buttons) override;
};

} // namespace dunemark
