#pragma once

class QDialog;

namespace dunemark {

// Shows a dialog modally and returns once it has closed, with its result code. Tests drive the
// dialog through a double instead of a nested event loop.
class ModalShower {
public:
    virtual ~ModalShower() = default;
    virtual int ShowModal(QDialog& dialog) = 0;
};

} // namespace dunemark
