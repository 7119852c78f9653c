// What the dialogs add to the rules: typing in the number boxes, the burial, the high scores and
// About.
#include "Doubles.h"

namespace dunemark {
namespace {

class DialogsTest : public ::testing::Test, protected PlatformDoubles {
protected:
    template <typename Dialog, typename... Args>
    int Show(const std::function<void(Dialog&)>& script, Args&&... args) {
        Dialog dialog(vars, std::forward<Args>(args)...);
        Next<Dialog>(script);
        return modal.ShowModal(dialog);
    }
    DeclareVars vars;
};

TEST_F(DialogsTest, TheQuantityBoxKeepsANumberAndTheCaretWhereThePlayerTypes) {
    vars.MarketItems[3][NameField][0] = std::string("Grapes");
    vars.MarketItems[3][PriceField][0] = 1.0;
    vars.SlaveCount = 1000;
    const int result = Show<frmBuy>(
        [](frmBuy& dialog) {
            QLineEdit* box = dialog.txtQuantity;
            EXPECT_EQ(box->selectedText(), "1000") << "the proposal, replaced by the first key";
            QTest::keyClicks(box, "125.");
            EXPECT_EQ(box->text(), "125") << "a point at the end goes at once";
            QTest::keyClick(box, Qt::Key_Home);
            QTest::keyClick(box, Qt::Key_Right);
            QTest::keyClicks(box, ".");
            EXPECT_EQ(box->text(), "1.25");
            EXPECT_EQ(box->cursorPosition(), 2);
            QTest::keyClick(box, Qt::Key_End);
            QTest::keyClicks(box, "9");
            EXPECT_EQ(box->text(), "1.25") << "no fifth character can be typed";
            // A pasted fraction keeps its "0" in front, and gives the room back once shortened.
            QGuiApplication::clipboard()->setText(".125");
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            EXPECT_EQ(box->text(), "0.125");
            QTest::keyClick(box, Qt::Key_Left);
            QTest::keyClick(box, Qt::Key_Backspace);
            EXPECT_EQ(box->text(), "0.15");
            EXPECT_EQ(box->cursorPosition(), 3);
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_Backspace);
            EXPECT_EQ(box->selectedText(), "0");
            QTest::keyClicks(box, "7");
            dialog.cmdCancel->setFocus(); // Enter presses OK wherever the focus is
            QTest::keyClick(dialog.cmdCancel, Qt::Key_Return);
        },
        3);
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(vars.Cash, 2000 - 7);

    vars.Holdings[3] = {std::string("Grapes"), 100.0, 13.0};
    const std::function<void(QuantityDialog&)> leaves[] = {
        [](QuantityDialog& d) { QTest::keyClick(d.txtQuantity, Qt::Key_Escape); },
        [](QuantityDialog& d) { QTest::mouseClick(d.cmdCancel, Qt::LeftButton); },
        [](QuantityDialog& d) { d.close(); },
    };
    for (const auto& leave : leaves) {
        const auto sell = [&](frmSell& dialog) {
            QTest::keyClicks(dialog.txtQuantity, "20");
            EXPECT_EQ(dialog.txtQuantity->text(), "13");
            leave(dialog);
        };
        EXPECT_EQ(Show<frmSell>(sell, 3, 13.0), QDialog::Rejected);
        EXPECT_EQ(CellNumber(vars.Holdings[3][QuantityField]), 13);
        EXPECT_EQ(vars.Cash, 2000 - 7);
    }
}

// The picture (or the desert's story) and the caption of the rank, with the same margin all
// round; only a click on them closes the window.
TEST_F(DialogsTest, TheBurialShowsTheRankAndClosesOnAClickOnIt) {
    const std::int32_t totals[] = {50'000'001, 50'000'000, 20'000'000, 10'000'000, 500'000, 0};
    for (int rank = 0; rank <= DesertRank; ++rank) {
        vars.FinalScore = totals[rank];
        Show<frmShowEndTomb>([&](frmShowEndTomb& tomb) {
            EXPECT_EQ(tomb.lblCaption->text().toStdString(), BurialCaption(rank));
            EXPECT_EQ(tomb.lblPoor->isVisible(), rank == DesertRank);
            EXPECT_EQ(tomb.picTomb->pixmap().isNull(), rank == DesertRank);
            const QRect picture = tomb.picTomb->geometry();
            EXPECT_EQ(tomb.width() - picture.right() - 1, picture.left());
            EXPECT_EQ(tomb.height() - tomb.lblCaption->geometry().bottom() - 1, picture.top());
            QTest::mouseClick(&tomb, Qt::LeftButton, {}, QPoint(2, 2));
            QTest::mouseClick(tomb.lblCaption, Qt::RightButton);
            QTest::mousePress(tomb.lblCaption, Qt::LeftButton);
            QTest::keyClick(&tomb, Qt::Key_A);
            EXPECT_TRUE(tomb.isVisible());
            QTest::mouseClick(rank == DesertRank ? tomb.lblPoor : tomb.picTomb, Qt::LeftButton);
            EXPECT_FALSE(tomb.isVisible());
        });
    }
}

TEST_F(DialogsTest, TheHighScoresAskTheNameFirstAndShowALongOneShortened) {
    const std::string longName = "Amenhotep the Magnificent, Lord of the Two Lands";
    settings.values[{"Dunemark", "Scores", "Name0"}] = longName;
    settings.values[{"Dunemark", "Scores", "Time0"}] = "2500000";
    vars.FinalScore = 10000;
    input.answers = {"Cleo"};
    input.onAsk = [](const FakeInputBox::Prompt& asked) {
        EXPECT_EQ(asked.prompt + asked.title, "Whats your name?You've got a highscore");
        for (const QWidget* window : QApplication::topLevelWidgets())
            EXPECT_FALSE(window->isVisible());
    };
    Show<frmHighScores>(
        [&](frmHighScores& window) {
            const QLabel* column[] = {window.lblHighName[1], window.lblHighTime[0],
                                      window.lblHighNum[9], window.lblHighDate[9]};
            QStringList texts;
            for (const QLabel* label : column)
                texts << label->text();
            EXPECT_EQ(texts, (QStringList{"Cleo", "2,500,000", "10. ", "00/00/00"}));
            EXPECT_TRUE(window.lblHighName[0]->text().endsWith(QChar(0x2026)));
            EXPECT_EQ(window.lblHighName[0]->toolTip().toStdString(), longName);
            EXPECT_TRUE(window.lblHighName[1]->toolTip().isEmpty());
            EXPECT_LE(window.lblHighName[0]->geometry().right(), window.lblHighDate[0]->x());
            QTest::mouseClick(window.cmdHideScores, Qt::LeftButton);
            EXPECT_FALSE(window.isVisible());
        },
        platform);
    EXPECT_EQ(input.asked.size(), 1u);
}

TEST_F(DialogsTest, AboutTogglesItsDisclaimerOnPressesAndOpensItsLinksOnClicks) {
    frmAbout about(links);
    about.show();
    EXPECT_LE(about.lblDisc->heightForWidth(about.lblDisc->width()), about.lblDisc->height())
        << "the disclaimer shows whole";
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        QTest::mouseClick(about.imgLogo, button);
        EXPECT_EQ(about.lblDisc->isHidden(), button == Qt::LeftButton);
    }
    about.tmrHideDisc_Timer();
    EXPECT_TRUE(about.lblDisc->isHidden());
    QTest::mouseClick(about.lblEmail, Qt::LeftButton);
    QTest::mouseClick(about.lblWeb, Qt::RightButton);
    QTest::mouseClick(about.lblWeb, Qt::LeftButton);
    EXPECT_EQ(links.opened, (std::vector<std::string>{"mailto:dunemark@example.org",
                                                      "https://www.example.org/"}));
}

} // namespace
} // namespace dunemark
