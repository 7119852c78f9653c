#pragma once

#include <QSvgRenderer>
#include <QWidget>

namespace dunemark {

// A picture from the program's resources, drawn from its vector source at whatever size the
// widget has, so it stays crisp on any screen. A missing picture leaves the widget's own
// background showing.
class SvgPicture : public QWidget {
    Q_OBJECT
public:
    explicit SvgPicture(const QString& resourcePath, QWidget* parent = nullptr);

    void SetPicture(const QString& resourcePath);
    const QString& ResourcePath() const { return resourcePath_; }
    bool HasPicture() const { return renderer_.isValid(); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString resourcePath_;
    QSvgRenderer renderer_;
};

} // namespace dunemark
