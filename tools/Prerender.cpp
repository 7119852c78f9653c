// Draws a vector picture once, at build time, into a raster the program carries: the picture at
// its own size times a screen's scale, over an opaque background colour, exactly as the program
// would draw it on that screen over a window of that colour. The raster is written as its bare
// pixels, 32 bits each (0xffRRGGBB in the machine's own order), row after row, so that the
// program shows it without decoding anything.
//   prerender PICTURE.svg OUTPUT SCALE BACKGROUND
#include <QColor>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>
#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    bool scaleRead = false;
    const double scale = args.size() == 5 ? args[3].toDouble(&scaleRead) : 0;
    QSvgRenderer picture(args.value(1));
    const QColor background = QColor::fromString(args.value(4));
    if (!scaleRead || scale <= 0 || !picture.isValid() || !background.isValid()) {
        std::fprintf(stderr, "usage: prerender PICTURE.svg OUTPUT SCALE BACKGROUND\n");
        return 2;
    }
    const QSize size = picture.defaultSize();
    QImage raster(int(std::ceil(size.width() * scale)), int(std::ceil(size.height() * scale)),
                  QImage::Format_ARGB32_Premultiplied);
    raster.setDevicePixelRatio(scale);
    raster.fill(background);
    QPainter painter(&raster);
    picture.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    const QImage pixels = raster.convertToFormat(QImage::Format_RGB32);
    QFile out(args[2]);
    const auto bytes = qint64(pixels.width()) * pixels.height() * 4;
    return pixels.bytesPerLine() == pixels.width() * 4 && out.open(QIODevice::WriteOnly) &&
                   out.write(reinterpret_cast<const char*>(pixels.constBits()), bytes) == bytes
               ? 0
               : 1;
}
