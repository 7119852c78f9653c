#include "widgets/RenderSvg.h"

#include <QApplication>
#include <QFile>
#include <QIconEngine>
#include <QLibraryInfo>
#include <QPainter>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>
#include <QVersionNumber>
#include <memory>

namespace dunemark {

namespace {

// Draws its picture kept in proportion within the size asked, greyed as the style greys any
// icon for a disabled control. Drawn pictures are kept in Qt's pixmap cache.
class SvgIconEngine final : public QIconEngine {
public:
    explicit SvgIconEngine(QString path)
        : path_(std::move(path)) {}

    QIconEngine* clone() const override { return new SvgIconEngine(path_); }
    QString key() const override { return QStringLiteral("dunemark-svg"); }
    bool isNull() override { return !Renderer().isValid(); }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        QSize actual = Renderer().defaultSize();
        if (actual.isEmpty())
            return {};
        actual.scale(size, Qt::KeepAspectRatio);
        return actual;
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Draw(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        // Qt before 6.8 asks in the screen's pixels, Qt 6.8 on in the window's.
        static const bool windowSize = QLibraryInfo::version() >= QVersionNumber(6, 8);
        return Draw(windowSize ? size * scale : size, mode, state, scale);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal scale = painter->device()->devicePixelRatioF();
        const QPixmap picture = Draw(rect.size() * scale, mode, state, scale);
        QRect target({}, picture.deviceIndependentSize().toSize());
        target.moveCenter(rect.center());
        painter->drawPixmap(target, picture);
    }

private:
    // The picture within `screenPixels`, for a screen of `scale` pixels to the window's one.
    QPixmap Draw(const QSize& screenPixels, QIcon::Mode mode, QIcon::State state, qreal scale) {
        const QSize pixels = actualSize(screenPixels, mode, state);
        if (pixels.isEmpty())
            return {};
        const QString cacheKey = QStringLiteral("dunemark-svg:%1:%2x%3:%4")
                                     .arg(path_)
                                     .arg(pixels.width())
                                     .arg(pixels.height())
                                     .arg(int(mode));
        QPixmap picture;
        if (!QPixmapCache::find(cacheKey, &picture)) {
            QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            Renderer().render(&painter);
            painter.end();
            picture = QPixmap::fromImage(image);
            if (mode != QIcon::Normal &&
                qobject_cast<QApplication*>(QCoreApplication::instance())) {
                QStyleOption option;
                option.palette = QApplication::palette();
                const QPixmap styled =
                    QApplication::style()->generatedIconPixmap(mode, picture, &option);
                if (!styled.isNull())
                    picture = styled;
            }
            QPixmapCache::insert(cacheKey, picture);
        }
        picture.setDevicePixelRatio(scale);
        return picture;
    }

    // Read when first drawn, so that making an icon costs nothing until it is shown.
    QSvgRenderer& Renderer() {
        if (!renderer_) {
            renderer_ = std::make_unique<QSvgRenderer>();
            if (QFile::exists(path_))
                renderer_->load(path_);
        }
        return *renderer_;
    }

    QString path_;
    std::unique_ptr<QSvgRenderer> renderer_;
};

} // namespace

QPixmap RenderSvg(const QString& path, const QSize& size, const QColor& background) {
    if (!QFile::exists(path))
        return {};
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return {};
    renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
    // Drawn at the screen's own density, so the picture stays crisp on high-dpi screens.
    const qreal ratio = qApp->devicePixelRatio();
    QPixmap picture(size * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(background);
    QPainter painter(&picture);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return picture;
}

QIcon SvgIcon(const QString& path) {
    return QIcon(new SvgIconEngine(path));
}

} // namespace dunemark
