#include "forms/TownLabel.h"

#include "forms/Look.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace dunemark {

TownLabel::TownLabel(QWidget* parent)
    : QLabel(parent) {
    setFont(Arial(12, true));
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    SetCurrent(false);
}

void TownLabel::SetCurrent(bool current) {
    SetColours(this, current ? colours::Yellow : colours::Green);
}

void TownLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void TownLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit clicked();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

} // namespace dunemark
