#include "widgets/SvgPicture.h"

#include <QFile>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>
#include <QResource>
#include <cmath>

namespace dunemark {

SvgPicture::SvgPicture(const QString& resourcePath, QWidget* parent)
    : QWidget(parent) {
    SetPicture(resourcePath);
}

void SvgPicture::SetPicture(const QString& resourcePath) {
    resourcePath_ = resourcePath;
    renderer_.reset();
    update();
}

QSvgRenderer& SvgPicture::Renderer() {
    if (!renderer_) {
        renderer_ = std::make_unique<QSvgRenderer>();
        if (!resourcePath_.isEmpty() && QFile::exists(resourcePath_))
            renderer_->load(resourcePath_);
    }
    return *renderer_;
}

QImage SvgPicture::Prerendered() const {
    if (!resourcePath_.startsWith(QLatin1String(":/")))
        return {};
    const qreal scale = devicePixelRatioF();
    const QResource raster(QStringLiteral(":/prerendered/%1@%2x.rgb")
                               .arg(QFileInfo(resourcePath_).completeBaseName())
                               .arg(scale));
    // Drawn for a widget of this size only, and kept as it was drawn.
    const QSize pixels(int(std::ceil(width() * scale)), int(std::ceil(height() * scale)));
    if (!raster.isValid() || raster.compressionAlgorithm() != QResource::NoCompression ||
        raster.size() != qint64(pixels.width()) * pixels.height() * 4)
        return {};
    QImage picture(raster.data(), pixels.width(), pixels.height(), pixels.width() * 4,
                   QImage::Format_RGB32);
    picture.setDevicePixelRatio(scale);
    return picture;
}

void SvgPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (const QImage raster = Prerendered(); !raster.isNull()) {
        painter.drawImage(0, 0, raster);
        return;
    }
    if (Renderer().isValid())
        Renderer().render(&painter, rect());
}

void SvgPicture::mouseReleaseEvent(QMouseEvent* event) {
    if (rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

} // namespace dunemark
