#include <QDirIterator>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <gtest/gtest.h>
#include <map>

namespace dunemark {
namespace {

// Every picture of the game at the size its window shows it.
const std::map<QString, QSize> ExpectedSizes = {
    {"map.svg", {193, 89}},          {"buy.svg", {32, 32}},         {"sell.svg", {32, 32}},
    {"finances.svg", {32, 32}},      {"special.svg", {32, 32}},     {"finish.svg", {32, 32}},
    {"parchment.svg", {248, 235}},   {"tomb0.svg", {320, 240}},     {"tomb1.svg", {320, 240}},
    {"tomb2.svg", {320, 240}},       {"tomb3.svg", {320, 240}},     {"tomb4.svg", {320, 240}},
    {"highscores.svg", {330, 300}},  {"logo.svg", {78, 78}},        {"hand.svg", {32, 32}},
    {"gift.svg", {32, 32}},          {"slaves.svg", {32, 32}},      {"pyramid.svg", {32, 32}},
    {"finances_deco.svg", {66, 35}}, {"amount_deco.svg", {70, 30}},
};

int OpaquePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
    return count;
}

TEST(Assets, EveryPictureIsCompiledInAndRendersAtItsSize) {
    for (const auto& [name, size] : ExpectedSizes) {
        QSvgRenderer renderer(":/assets/" + name);
        ASSERT_TRUE(renderer.isValid()) << name.toStdString();
        EXPECT_EQ(renderer.defaultSize(), size) << name.toStdString();

        // Twice the size, as on a high-dpi screen.
        QImage image(size * 2, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        EXPECT_GT(OpaquePixels(image), image.width() * image.height() / 4) << name.toStdString();
    }
}

TEST(Assets, NoPictureIsLeftOutOfTheList) {
    QDirIterator it(":/assets");
    int count = 0;
    while (it.hasNext()) {
        it.next();
        EXPECT_TRUE(ExpectedSizes.contains(it.fileName())) << it.fileName().toStdString();
        ++count;
    }
    EXPECT_EQ(count, static_cast<int>(ExpectedSizes.size()));
}

} // namespace
} // namespace dunemark
