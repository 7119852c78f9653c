#include "widgets/FitLabel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <algorithm>

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

bool FitLabel::Fits(const QFont& face) const {
    return QFontMetricsF(face).horizontalAdvance(text()) <= contentsRect().width() - 2 * margin();
}

QFont FitLabel::FittedFont() const {
    return LargestFitting(font(), [this](const QFont& face) { return Fits(face); });
}

void FitLabel::ShareOneSize(std::initializer_list<FitLabel*> labels, const QFont& narrow) {
    if (labels.size() == 0)
        return;
    const auto allFit = [&](const QFont& face) {
        return std::all_of(labels.begin(), labels.end(),
                           [&](const FitLabel* label) { return label->Fits(face); });
    };
    const QFont own = (*labels.begin())->font();
    const QFont shared = allFit(own) ? own : LargestFitting(narrow, allFit);
    for (FitLabel* label : labels)
        label->setFont(shared);
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
