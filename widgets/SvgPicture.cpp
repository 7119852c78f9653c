#include "widgets/SvgPicture.h"

#include <QFile>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>
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

QPixmap SvgPicture::Prerendered() const {
    if (!resourcePath_.startsWith(QLatin1String(":/")))
        return {};
    const qreal scale = devicePixelRatioF();
    const QString raster = QStringLiteral(":/prerendered/%1@%2x.png")
                               .arg(QFileInfo(resourcePath_).completeBaseName())
                               .arg(scale);
    if (!QFile::exists(raster))
        return {};
    QPixmap picture(raster);
    // Drawn for a widget of this size only.
    const QSize pixels(int(std::ceil(width() * scale)), int(std::ceil(height() * scale)));
    if (picture.size() != pixels)
        return {};
    picture.setDevicePixelRatio(scale);
    return picture;
}

void SvgPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (const QPixmap raster = Prerendered(); !raster.isNull()) {
        painter.drawPixmap(0, 0, raster);
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
