#include "forms/RenderSvg.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace dunemark {

QPixmap RenderSvg(const QString& path, const QSize& size, const QColor& background) {
    if (!QFile::exists(path))
        return {};
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return {};
    renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
    QPixmap picture(size);
    picture.fill(background);
    QPainter painter(&picture);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return picture;
}

} // namespace dunemark
