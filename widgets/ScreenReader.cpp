#include "widgets/ScreenReader.h"

#include <QAccessible>

namespace dunemark {

namespace {

// Qt tells whether a reader listens only as it changes.
class ReaderWatch : public QAccessible::ActivationObserver {
public:
    ReaderWatch()
        : on(QAccessible::isActive()) {
        QAccessible::installActivationObserver(this);
    }
    void accessibilityActiveChanged(bool active) override { on = active; }

    bool on;
};

} // namespace

bool ScreenReaderOn() {
    // Never freed: Qt may tell it of a change until the program's last moment.
    static ReaderWatch* const watch = new ReaderWatch;
    return watch->on || QAccessible::isActive();
}

} // namespace dunemark
