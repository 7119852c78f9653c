#include "forms/FitLabel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>

namespace dunemark {

namespace {

constexpr double LeastPoints = 5.0;
constexpr double PointStep = 0.25;

} // namespace

QFont FitLabel::LargestFitting(QFont face, const std::function<bool(const QFont&)>& fits) {
    while (face.pointSizeF() - PointStep >= LeastPoints && !fits(face))
        face.setPointSizeF(face.pointSizeF() - PointStep);
    return face;
}

QFont FitLabel::FittedFont() const {
    const double room = contentsRect().width() - 2 * margin();
    return LargestFitting(font(), [&](const QFont& face) {
        return QFontMetricsF(face).horizontalAdvance(text()) <= room;
    });
}

void FitLabel::FitWrapped(QLabel& label, const QFont& face) {
    label.setFont(LargestFitting(face, [&label](const QFont& smaller) {
        label.setFont(smaller);
        return label.heightForWidth(label.width()) <= label.height();
    }));
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
