#pragma once

#include "platform/ModalShower.h"

namespace dunemark {

class QtModalShower final : public ModalShower {
public:
    int ShowModal(QDialog& dialog) override;
};

} // namespace dunemark
