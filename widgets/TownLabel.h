#pragma once

#include <QAbstractButton>

namespace dunemark {

// A town's name on the map; clicking it travels there. It looks like a plain label on the map
// but is a button to the keyboard and to a screen reader: Tab reaches it, Enter or Space
// presses it, its shortcut presses it from anywhere in the window, and a dotted outline shows
// when it has the focus.
class TownLabel : public QAbstractButton {
    Q_OBJECT
public:
    explicit TownLabel(QWidget* parent = nullptr);

    void SetCurrent(bool current);

    // Names the town and sets the keys that travel there; the tooltip tells both.
    void SetTown(const QString& name, const QKeySequence& keys);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace dunemark
