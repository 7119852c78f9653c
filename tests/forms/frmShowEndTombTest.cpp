#include "forms/frmShowEndTomb.h"

#include "PlatformDoubles.h"

#include <QFile>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace dunemark {
namespace {

// The ranks and their texts are the burial rules' business; here, what the window shows of them
// and how it closes.
class frmShowEndTombTest : public ::testing::Test, protected PlatformDoubles {
protected:
    void Show(std::int32_t finalScore, const std::function<void(frmShowEndTomb&)>& script) {
        vars.FinalScore = finalScore;
        frmShowEndTomb tomb(vars);
        Drive(tomb, script);
    }
    DeclareVars vars;
};

TEST_F(frmShowEndTombTest, ShowsTheRanksPictureOrTheDesertStory) {
    const struct {
        std::int32_t total;
        int rank;
    } cases[] = {{50'000'001, 0}, {50'000'000, 1}, {100'001, 4}, {100'000, 5}, {-40'000, 5}};
    for (const auto& c : cases) {
        Show(c.total, [&](frmShowEndTomb& tomb) {
            SCOPED_TRACE(c.total);
            EXPECT_EQ(tomb.windowTitle(), QStringLiteral("What happened to you?"));
            EXPECT_EQ(tomb.lblCaption->text().toStdString(), BurialCaption(c.rank));
            const bool desert = c.rank == DesertRank;
            EXPECT_EQ(tomb.lblPoor->isVisible(), desert);
            EXPECT_EQ(tomb.lblPoor->text().toStdString(), DesertStory());
            // The picture shows when the program carries it; the area stays empty otherwise.
            const bool hasPicture =
                !desert && QFile::exists(frmShowEndTomb::TombPicturePath(c.rank));
            EXPECT_EQ(!tomb.picTomb->pixmap().isNull(), hasPicture);
        });
    }
}

TEST_F(frmShowEndTombTest, AClickOnTheCaptionThePictureOrTheStoryClosesIt) {
    const struct {
        std::int32_t total;
        QLabel* frmShowEndTomb::*control;
    } cases[] = {
        {0, &frmShowEndTomb::lblCaption},
        {0, &frmShowEndTomb::lblPoor},
        {500'000, &frmShowEndTomb::picTomb},
    };
    for (const auto& c : cases) {
        Show(c.total, [&](frmShowEndTomb& tomb) {
            QTest::mouseClick(tomb.*c.control, Qt::LeftButton);
            EXPECT_FALSE(tomb.isVisible()) << c.total;
        });
    }
}

TEST_F(frmShowEndTombTest, OtherClicksAndKeysLeaveItOpen) {
    Show(0, [](frmShowEndTomb& tomb) {
        QTest::mouseClick(&tomb, Qt::LeftButton, {}, QPoint(2, 2)); // the window's own margin
        QTest::mouseClick(tomb.lblCaption, Qt::RightButton);
        for (const Qt::Key key : {Qt::Key_A, Qt::Key_Down, Qt::Key_Tab})
            QTest::keyClick(&tomb, key);
        EXPECT_TRUE(tomb.isVisible());
    });
}

} // namespace
} // namespace dunemark
