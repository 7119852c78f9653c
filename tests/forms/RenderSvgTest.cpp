#include "forms/RenderSvg.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace dunemark {
namespace {

TEST(RenderSvg, DrawsThePictureStretchedOverTheBackground) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("half.svg"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // A square picture whose left half is blue; the right half is left transparent.
    file.write(R"(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10">)"
               R"(<rect x="0" y="0" width="5" height="10" fill="#0000ff"/></svg>)");
    file.close();

    const QImage picture = RenderSvg(path, QSize(320, 240), QColor(255, 255, 128)).toImage();
    ASSERT_EQ(picture.size(), QSize(320, 240));
    EXPECT_EQ(picture.pixelColor(10, 230), QColor(0, 0, 255));
    EXPECT_EQ(picture.pixelColor(150, 10), QColor(0, 0, 255)); // stretched, not kept square
    EXPECT_EQ(picture.pixelColor(170, 120), QColor(255, 255, 128));
}

TEST(RenderSvg, AMissingOrBrokenPictureGivesNothing) {
    QTemporaryDir dir;
    const QString broken = dir.filePath(QStringLiteral("broken.svg"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<svg not really");
    file.close();

    EXPECT_TRUE(
        RenderSvg(dir.filePath(QStringLiteral("absent.svg")), {10, 10}, Qt::black).isNull());
    EXPECT_TRUE(RenderSvg(broken, {10, 10}, Qt::black).isNull());
    EXPECT_TRUE(RenderSvg(QStringLiteral(":/no/such.svg"), {10, 10}, Qt::black).isNull());
}

} // namespace
} // namespace dunemark
