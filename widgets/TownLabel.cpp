#include "widgets/TownLabel.h"

#include "widgets/Keys.h"
#include "widgets/Look.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace dunemark {

namespace {
constexpr auto TextPlace = Qt::AlignLeft | Qt::AlignVCenter;
}

TownLabel::TownLabel(QWidget* parent)
    : QAbstractButton(parent) {
    setFont(Arial(12, true));
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    SetCurrent(false);
}

void TownLabel::SetCurrent(bool current) {
    SetColours(this, current ? colours::Yellow : colours::Green);
}

void TownLabel::SetTown(const QString& name, const QKeySequence& keys) {
    setText(name);
    setShortcut(keys);
    setToolTip(tr("Travel to %1 (%2)").arg(name, keys.toString(QKeySequence::NativeText)));
}

QSize TownLabel::sizeHint() const {
    return fontMetrics().size(Qt::TextSingleLine, text());
}

void TownLabel::paintEvent(QPaintEvent*) {
    // Drawn as a label draws its text: no button face, the map showing through.
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawItemText(&painter, rect(), TextPlace, option.palette, isEnabled(), text(),
                          QPalette::WindowText);
    // The outline shows once the player moves about with the keyboard, as styles draw theirs.
    if (hasFocus() && (option.state & QStyle::State_KeyboardFocusChange)) {
        const QRect textArea = fontMetrics().boundingRect(rect(), TextPlace, text());
        painter.setPen(QPen(option.palette.color(QPalette::WindowText), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(textArea.adjusted(0, 0, 1, -1).intersected(rect().adjusted(0, 0, -1, -1)));
    }
}

void TownLabel::keyPressEvent(QKeyEvent* event) {
    // Space presses it as it presses any button; Enter does too, as the town is all it offers.
    if (IsPlainEnter(event)) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

} // namespace dunemark
