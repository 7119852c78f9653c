#include "forms/FitLabel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>

namespace dunemark {

QFont FitLabel::FittedFont() const {
    const double room = contentsRect().width() - 2 * margin();
    QFont face = font();
    while (face.pointSizeF() - PointStep >= LeastPoints &&
           QFontMetricsF(face).horizontalAdvance(text()) > room)
        face.setPointSizeF(face.pointSizeF() - PointStep);
    return face;
}

void FitLabel::paintEvent(QPaintEvent* event) {
    const QFont fitted = FittedFont();
    if (fitted == font()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    painter.setFont(fitted);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    style()->drawItemText(&painter, area, static_cast<int>(alignment()), palette(), isEnabled(),
                          text(), foregroundRole());
}

} // namespace dunemark
