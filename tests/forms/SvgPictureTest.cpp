#include "forms/SvgPicture.h"

#include "forms/RenderSvg.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace dunemark {
namespace {

// A picture file in a temporary directory: a square whose left half is red, the rest left
// transparent; or, with `broken`, a file that is no picture at all.
class SvgFile {
public:
    explicit SvgFile(bool broken = false) {
        QFile file(Path());
        if (file.open(QIODevice::WriteOnly))
            file.write(broken ? "<svg not really"
                              : R"(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10">)"
                                R"(<rect width="5" height="10" fill="#ff0000"/></svg>)");
    }
    QString Path() const { return dir_.filePath(QStringLiteral("picture.svg")); }

private:
    QTemporaryDir dir_;
};

const QString Missing = QStringLiteral(":/assets/no_such_picture.svg");

TEST(RenderSvg, DrawsThePictureStretchedOverTheBackground) {
    const QImage picture = RenderSvg(SvgFile().Path(), {320, 240}, QColor(255, 255, 128)).toImage();
    ASSERT_EQ(picture.size(), QSize(320, 240));
    EXPECT_EQ(picture.pixelColor(10, 230), QColor(255, 0, 0));
    EXPECT_EQ(picture.pixelColor(150, 10), QColor(255, 0, 0)); // stretched, not kept square
    EXPECT_EQ(picture.pixelColor(170, 120), QColor(255, 255, 128));
    EXPECT_TRUE(RenderSvg(SvgFile(true).Path(), {10, 10}, Qt::black).isNull());
    EXPECT_TRUE(RenderSvg(Missing, {10, 10}, Qt::black).isNull());
}

TEST(SvgPicture, StretchesThePictureOverTheBoxOrLeavesItBlank) {
    const SvgFile good, broken(true);
    for (const QString& path : {good.Path(), broken.Path(), Missing}) {
        SvgPicture picture(path, nullptr);
        picture.resize(66, 35);
        const QImage image = picture.grab().toImage();
        const bool drawn = path == good.Path();
        EXPECT_EQ(picture.HasPicture(), drawn) << path.toStdString();
        const QColor blank = picture.palette().color(QPalette::Window);
        EXPECT_EQ(image.pixelColor(2, 2), drawn ? QColor(255, 0, 0) : blank);
        EXPECT_EQ(image.pixelColor(30, 33), drawn ? QColor(255, 0, 0) : blank);
        EXPECT_EQ(image.pixelColor(40, 2), blank);
    }
}

} // namespace
} // namespace dunemark
