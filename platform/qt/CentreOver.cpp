#include "platform/qt/CentreOver.h"

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

} // namespace dunemark
