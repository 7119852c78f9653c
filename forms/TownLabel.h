#pragma once

#include <QLabel>

namespace dunemark {

// A town's name on the map; clicking it travels there.
class TownLabel : public QLabel {
    Q_OBJECT
public:
    explicit TownLabel(QWidget* parent = nullptr);

    void SetCurrent(bool current);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace dunemark
