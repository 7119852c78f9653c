#include "forms/frmShowEndTomb.h"

#include "forms/EndOfGameFixture.h"

#include <QFile>
#include <QLabel>
#include <QScreen>
#include <QTest>

namespace dunemark {
namespace {

class frmShowEndTombTest : public EndOfGameFixture {
protected:
    void Show(std::int32_t finalScore, const std::function<void(frmShowEndTomb&)>& script) {
        vars.FinalScore = finalScore;
        Open<frmShowEndTomb>(script, vars);
    }
};

TEST_F(frmShowEndTombTest, ShowsTheRanksPictureOrTheDesertStory) {
    const struct {
        std::int32_t total;
        int rank;
        const char* caption;
    } cases[] = {
        {50'000'001, 0, "You now claim residence next to the Gods"},
        {50'000'000, 1, "You now claim residency next to the great Pharoahs"},
        {20'000'000, 2, "You have a burial fit for a nobleman"},
        {10'000'000, 3, "You are buried with people of your own class"},
        {100'001, 4, "You are buried in a hole, in the desert"},
        {100'000, 5, "You were just tossed into the desert"},
        {-40'000, 5, "You were just tossed into the desert"},
    };
    for (const auto& c : cases) {
        Show(c.total, [&](frmShowEndTomb& tomb) {
            EXPECT_EQ(tomb.windowTitle(), QStringLiteral("What happened to you?"));
            EXPECT_EQ(tomb.lblCaption->text(), QString::fromUtf8(c.caption)) << c.total;
            const bool desert = c.rank == 5;
            EXPECT_EQ(tomb.lblPoor->isVisible(), desert) << c.total;
            // The picture shows when the program carries it; the area stays empty otherwise.
            const bool hasPicture =
                !desert && QFile::exists(frmShowEndTomb::TombPicturePath(c.rank));
            EXPECT_EQ(!tomb.picTomb->pixmap().isNull(), hasPicture) << c.total;
        });
    }
}

TEST_F(frmShowEndTombTest, TellsTheDesertStoryInOnePiece) {
    Show(0, [](frmShowEndTomb& tomb) {
        EXPECT_EQ(tomb.lblPoor->text(),
                  QStringLiteral("You were left in the middle of the desert, without any food and "
                                 "water. As you try to walk, the sun makes you thirsty, and time "
                                 "makes you hungry. The wind joins forces with the sand, to make "
                                 "it impossible for you to do anything. You collapse to the "
                                 "floor, and take your last breath of air."));
    });
}

TEST_F(frmShowEndTombTest, LooksAsDesigned) {
    Show(0, [](frmShowEndTomb& tomb) {
        EXPECT_EQ(tomb.picTomb->size(), QSize(320, 240));
        EXPECT_EQ(tomb.picTomb->palette().color(QPalette::Window), QColor(255, 255, 128));
        EXPECT_TRUE(tomb.picTomb->autoFillBackground());

        EXPECT_EQ(tomb.lblPoor->parentWidget(), tomb.picTomb);
        EXPECT_EQ(tomb.lblPoor->geometry(), QRect(8, 8, 312, 232));
        EXPECT_FALSE(tomb.lblPoor->autoFillBackground());
        EXPECT_TRUE(tomb.lblPoor->wordWrap());
        EXPECT_TRUE(tomb.lblPoor->font().bold());
        EXPECT_TRUE(tomb.lblPoor->font().italic());
        EXPECT_DOUBLE_EQ(tomb.lblPoor->font().pointSizeF(), 12.0);

        const QRect picture = tomb.picTomb->geometry();
        const QRect caption = tomb.lblCaption->geometry();
        EXPECT_EQ(caption.left(), picture.left());
        EXPECT_EQ(caption.width(), picture.width());
        EXPECT_GT(caption.top(), picture.bottom());
        EXPECT_NE(tomb.lblCaption->frameShape(), QFrame::NoFrame);
        EXPECT_EQ(tomb.lblCaption->alignment(), Qt::AlignCenter);
        EXPECT_TRUE(tomb.lblCaption->font().bold());
        EXPECT_DOUBLE_EQ(tomb.lblCaption->font().pointSizeF(), 11.25);
        EXPECT_EQ(tomb.lblCaption->palette().color(QPalette::WindowText), QColor(0, 0, 0));
        EXPECT_EQ(tomb.lblCaption->palette().color(QPalette::Window), QColor(192, 192, 0));

        EXPECT_EQ(tomb.minimumSize(), tomb.maximumSize());
        EXPECT_TRUE(tomb.rect().contains(caption));
        const QPoint screenCentre = tomb.screen()->availableGeometry().center();
        // Centred with its frame, whose width the window system decides.
        EXPECT_LE((tomb.frameGeometry().center() - screenCentre).manhattanLength(), 4);
    });
}

TEST_F(frmShowEndTombTest, AClickOnTheCaptionThePictureOrTheStoryClosesIt) {
    const struct {
        std::int32_t total;
        QLabel* frmShowEndTomb::*control;
    } cases[] = {
        {0, &frmShowEndTomb::lblCaption},
        {0, &frmShowEndTomb::lblPoor},
        {500'000, &frmShowEndTomb::picTomb},
        {500'000, &frmShowEndTomb::lblCaption},
    };
    for (const auto& c : cases) {
        Show(c.total, [&](frmShowEndTomb& tomb) {
            QTest::mouseClick(tomb.*c.control, Qt::LeftButton);
            EXPECT_FALSE(tomb.isVisible()) << c.total;
        });
    }
}

TEST_F(frmShowEndTombTest, OtherClicksLeaveItOpen) {
    Show(0, [](frmShowEndTomb& tomb) {
        QTest::mouseClick(&tomb, Qt::LeftButton, {}, QPoint(2, 2)); // the window's own margin
        QTest::mouseClick(tomb.lblCaption, Qt::RightButton);
        EXPECT_TRUE(tomb.isVisible());
        tomb.close(); // the close box
        EXPECT_FALSE(tomb.isVisible());
    });
}

} // namespace
} // namespace dunemark
