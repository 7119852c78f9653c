#include "forms/SvgPicture.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace dunemark {
namespace {

// Every colour that appears in the picture as drawn at the given size.
QList<QRgb> ColoursDrawn(SvgPicture& picture, QSize size) {
    picture.resize(size);
    const QImage image = picture.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QList<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!colours.contains(image.pixel(x, y)))
                colours.push_back(image.pixel(x, y));
    return colours;
}

TEST(SvgPicture, StretchesThePictureOverTheWholeBox) {
    QTemporaryDir dir;
    const QString path = dir.filePath("square.svg");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        R"(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10" viewBox="0 0 10 10">)"
        R"(<rect width="10" height="10" fill="#ff0000"/></svg>)");
    file.close();

    SvgPicture picture(path, nullptr);
    EXPECT_TRUE(picture.HasPicture());
    // A square drawn into a wide box covers it from edge to edge.
    EXPECT_EQ(ColoursDrawn(picture, {66, 35}), QList<QRgb>{qRgb(255, 0, 0)});
}

TEST(SvgPicture, AMissingOrUnreadablePictureLeavesTheBoxBlank) {
    QTemporaryDir dir;
    const QString broken = dir.filePath("broken.svg");
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();

    for (const QString& path : {QStringLiteral(":/assets/no_such_picture.svg"), broken}) {
        SvgPicture picture(path, nullptr);
        EXPECT_FALSE(picture.HasPicture()) << path.toStdString();
        EXPECT_EQ(ColoursDrawn(picture, {70, 30}),
                  QList<QRgb>{picture.palette().color(QPalette::Window).rgb()})
            << path.toStdString();
    }
}

} // namespace
} // namespace dunemark
