#include "platform/qt/CentreOver.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMainWindow>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace dunemark {

namespace {

int KeepWithin(int start, int length, int roomStart, int roomLength) {
    return std::clamp(start, roomStart, std::max(roomStart, roomStart + roomLength - length));
}

} // namespace

void CentreOver(QWidget& window, const QWidget& owner) {
    const QWidget* over = owner.window();
    QRect place(QPoint(), window.size());
    place.moveCenter(over->geometry().center());
    if (const QScreen* screen = over->screen()) {
        const QRect room = screen->availableGeometry();
        place.moveTo(KeepWithin(place.x(), place.width(), room.x(), room.width()),
                     KeepWithin(place.y(), place.height(), room.y(), room.height()));
    }
    window.setGeometry(place);
}

QPoint Beside(const QRect& game, QSize size, const QRect& room) {
    constexpr int Gap = 8;
    QPoint place(game.right() + 1 + Gap, game.top());
    if (place.x() + size.width() > room.right() + 1 &&
        game.left() - Gap - size.width() >= room.left())
        place.setX(game.left() - Gap - size.width());
    const QPoint last = room.bottomRight() + QPoint(1, 1) - QPoint(size.width(), size.height());
    return {std::max(room.left(), std::min(place.x(), last.x())),
            std::max(room.top(), std::min(place.y(), last.y()))};
}

QWidget* AskingWindow() {
    if (QWidget* dialog = QApplication::activeModalWidget())
        return dialog;
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto main = std::find_if(windows.cbegin(), windows.cend(), [](const QWidget* window) {
        return window->isVisible() && qobject_cast<const QMainWindow*>(window);
    });
    return main != windows.cend() ? *main : QApplication::activeWindow();
}

void PlaceBeside(QWidget& window, const QWidget& owner) {
    const QWidget* game = owner.window();
    const QScreen* screen = game->screen();
    const QRect room = screen ? screen->availableGeometry() : game->frameGeometry();
    // The frame is not known before the window is first shown; the game's frame stands in for it.
    const QSize frame =
        window.frameGeometry().size() + (game->frameGeometry().size() - game->size());
    window.move(Beside(game->frameGeometry(), frame.boundedTo(room.size()), room));
}

void BringToFront(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

int TitleBarWidth(const QString& title) {
    // Desktops draw titles in bold, often a point or two larger than their text; the icon and
    // the three buttons take about seven lines' height beside it.
    QFont face = QApplication::font();
    face.setBold(true);
    face.setPointSizeF(face.pointSizeF() * 1.1);
    const QFontMetrics metrics(face);
    return metrics.horizontalAdvance(title) + 7 * metrics.height();
}

} // namespace dunemark
