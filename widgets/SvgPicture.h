#pragma once

#include <QSvgRenderer>
#include <QWidget>
#include <memory>

namespace dunemark {

// A picture from the program's resources, drawn from its vector source at whatever size the
// widget has, so it stays crisp on any screen. Where the program carries the picture already
// drawn at the widget's size for the screen's scale (":/prerendered/NAME@SCALEx.rgb"), that
// raster is shown instead, and the vector source is not read at all. A missing picture leaves the
// widget's own background showing.
class SvgPicture : public QWidget {
    Q_OBJECT
public:
    explicit SvgPicture(const QString& resourcePath, QWidget* parent = nullptr);

    void SetPicture(const QString& resourcePath);
    const QString& ResourcePath() const { return resourcePath_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QSvgRenderer& Renderer();
    // The picture as the program carries it drawn for this screen, or a null image.
    QImage Prerendered() const;

    QString resourcePath_;
    std::unique_ptr<QSvgRenderer> renderer_; // read when first needed
};

} // namespace dunemark
