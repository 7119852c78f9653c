#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <algorithm>

class QShowEvent;
class QString;

namespace dunemark {

// The window that asks, whose child a message or a question is: the dialog open over the game, or
// else the game's main window. Every dialog of the game is modal, so only the topmost one can ask;
// and a child window stays with its parent where the desktop cannot be told where to put it.
QWidget* AskingWindow();

// Places a top-level window, at its present size, centred over the window of `owner`, moved no
// further than it takes to keep it whole on that window's screen. Both windows wear the same
// title bar, so centring their inner areas centres them as the player sees them.
void CentreOver(QWidget& window, const QWidget& owner);

// The width a window needs for the window manager to show `title` whole: the title in a bold
// face a little larger than the desktop's, with room for the window's icon and its buttons.
int TitleBarWidth(const QString& title);

// A dialog that opens centred over the window it belongs to, and wide enough for its title where
// it can grow. Qt's own placement guesses the title bar's height, and so misses on a desktop that
// draws none or another.
template <typename Dialog> class CentredDialog : public Dialog {
public:
    using Dialog::Dialog;

protected:
    void showEvent(QShowEvent* event) override {
        Dialog::showEvent(event);
        const int titled =
            TitleBarWidth(this->windowTitle()) - (this->frameGeometry().width() - this->width());
        if (this->width() < titled)
            this->resize(std::min(titled, this->maximumWidth()), this->height());
        if (this->parentWidget())
            CentreOver(*this, *this->parentWidget());
    }
};

// Where a window of `size` opens beside the game's frame `game`, wholly within `room`: side by
// side with the game when there is room on its screen, else as close as the screen allows.
QPoint Beside(const QRect& game, QSize size, const QRect& room);

// Places a top-level window, at its present size, beside the window of `owner`.
void PlaceBeside(QWidget& window, const QWidget& owner);

// Shows a top-level window in front of the game's others, with the keyboard's focus.
void BringToFront(QWidget& window);

} // namespace dunemark
