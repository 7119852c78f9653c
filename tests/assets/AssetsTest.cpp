#include <QDirIterator>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <gtest/gtest.h>

namespace dunemark {
namespace {

// Every picture the windows ask for, and nothing more, is compiled in and draws something.
TEST(Assets, EveryPictureIsCompiledInAndDrawsSomething) {
    QStringList expected = {"map",    "buy",       "sell",       "finances",      "special",
                            "finish", "parchment", "tomb0",      "tomb1",         "tomb2",
                            "tomb3",  "tomb4",     "highscores", "logo",          "hand",
                            "gift",   "slaves",    "pyramid",    "finances_deco", "amount_deco"};
    QStringList found;
    for (QDirIterator it(":/assets"); it.hasNext();) {
        const QString path = it.next();
        found << it.fileInfo().baseName();
        QSvgRenderer renderer(path);
        ASSERT_TRUE(renderer.isValid()) << path.toStdString();
        QImage image(renderer.defaultSize() * 2, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        int opaque = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                opaque += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
        EXPECT_GT(opaque, image.width() * image.height() / 4) << path.toStdString();
    }
    expected.sort();
    found.sort();
    EXPECT_EQ(found, expected);
}

} // namespace
} // namespace dunemark
