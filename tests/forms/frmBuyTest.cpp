#include "forms/frmBuy.h"

#include "PlatformDoubles.h"
#include "forms/QuantityDialogDriver.h"

#include <QLabel>
#include <gtest/gtest.h>
#include <string>

namespace dunemark {
namespace {

constexpr int Row = 3;

// The sums of a purchase are the rules' business; here, what the dialog adds: the proposal, the
// box's typing and pasting, and the ways out.
class frmBuyTest : public ::testing::Test {
protected:
    frmBuyTest() { NewGame(); }

    void NewGame() {
        vars = DeclareVars{};
        vars.MarketItems[Row][NameField][0] = std::string("Grapes");
        vars.MarketItems[Row][PriceField][0] = 150.0;
    }

    // Opens a fresh dialog on the row and lets the script play the player.
    int Buy(const std::function<void(frmBuy&)>& script) {
        frmBuy dialog(vars, Row);
        return doubles.Drive(dialog, script);
    }

    double Held() const { return CellNumber(vars.Holdings[Row][QuantityField]); }

    PlatformDoubles doubles;
    DeclareVars vars;
};

TEST_F(frmBuyTest, ProposesWhatTheCashPaysForAndTheFirstKeyReplacesIt) {
    const int result = Buy([](frmBuy& dialog) {
        EXPECT_EQ(dialog.txtQuantity->text(), "13");
        EXPECT_EQ(dialog.txtQuantity->selectedText(), "13");
        EXPECT_EQ(dialog.lblInfo->text(), "You can afford 13 and have space for 100 more items");
        EXPECT_TRUE(dialog.isModal());
        EXPECT_TRUE(dialog.cmdOK->isDefault());
        QTest::keyClicks(dialog.txtQuantity, "7");
        EXPECT_EQ(dialog.txtQuantity->text(), "7");
        PressEnter(dialog);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(Held(), 7);
    EXPECT_EQ(vars.Cash, 2000 - 7 * 150);
    EXPECT_EQ(vars.SpaceLeft, 100);
}

TEST_F(frmBuyTest, FreeSpaceBoundsTheQuantityTyped) {
    vars.Cash = 40 * 150;
    vars.ItemsCarried = 95;
    Buy([](frmBuy& dialog) {
        EXPECT_EQ(dialog.txtQuantity->text(), "5");
        EXPECT_EQ(dialog.lblInfo->text(), "You can afford 40 and have space for 5 more items");
        QTest::keyClicks(dialog.txtQuantity, "40");
        EXPECT_EQ(dialog.txtQuantity->text(), "5");
        PressOK(dialog);
    });
    EXPECT_EQ(vars.ItemsCarried, 100);
}

TEST_F(frmBuyTest, PastedOrErasedTextsBuyTheirWholePart) {
    const struct {
        const char* pasted; // nullptr: the box is rubbed out
        const char* shown;
        bool rowListed;
        double bought;
    } cases[] = {
        {"2.7", "2.7", true, 2},
        {"0.5", "0.5", false, 0},
        {"-5", "0", false, 0},
        {"2.75", "2.75", true, 2},
        {nullptr, "0", false, 0},
        {".125", "0.125", false, 0}, // longer than can be typed, and the box keeps it whole
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pasted ? c.pasted : "erased");
        NewGame();
        Buy([&](frmBuy& dialog) {
            if (c.pasted)
                Paste(dialog.txtQuantity, c.pasted);
            else
                Erase(dialog.txtQuantity);
            EXPECT_EQ(dialog.txtQuantity->text(), c.shown);
            if (!c.pasted) { // selected, so that the next key replaces it
                EXPECT_EQ(dialog.txtQuantity->selectedText(), "0");
            }
            PressOK(dialog);
        });
        EXPECT_EQ(!IsEmpty(vars.Holdings[Row][NameField]), c.rowListed);
        EXPECT_EQ(Held(), c.bought);
        EXPECT_EQ(vars.Cash, 2000 - c.bought * 150);
    }
}

TEST_F(frmBuyTest, TheCaretStaysWhereThePlayerTypes) {
    vars.MarketItems[Row][PriceField][0] = 1.0;
    vars.SlaveCount = 1000;
    Buy([](frmBuy& dialog) {
        QLineEdit* box = dialog.txtQuantity;
        QTest::keyClicks(box, "12");
        QTest::keyClicks(box, "5");
        EXPECT_EQ(box->text(), "125");
        EXPECT_EQ(box->cursorPosition(), 3);
        QTest::keyClicks(box, "."); // a point at the end goes at once
        EXPECT_EQ(box->text(), "125");
        EXPECT_EQ(box->cursorPosition(), 3);
        QTest::keyClick(box, Qt::Key_Home);
        QTest::keyClick(box, Qt::Key_Right);
        QTest::keyClicks(box, "."); // a point inside the number stays
        EXPECT_EQ(box->text(), "1.25");
        EXPECT_EQ(box->cursorPosition(), 2);
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClicks(box, "9"); // no fifth character can be typed
        EXPECT_EQ(box->text(), "1.25");
        PressOK(dialog);
    });
    EXPECT_EQ(Held(), 1);
}

TEST_F(frmBuyTest, ALongPastedFractionGivesBackItsRoomOnceShortened) {
    vars.MarketItems[Row][PriceField][0] = 1.0;
    Buy([](frmBuy& dialog) {
        QLineEdit* box = dialog.txtQuantity;
        Paste(box, ".125");
        QTest::keyClick(box, Qt::Key_Backspace);
        EXPECT_EQ(box->text(), "0.12");
        QTest::keyClicks(box, "9");
        EXPECT_EQ(box->text(), "0.12");
        QTest::keyClick(box, Qt::Key_Left);
        QTest::keyClick(box, Qt::Key_Backspace);
        EXPECT_EQ(box->text(), "0.2");
        EXPECT_EQ(box->cursorPosition(), 2);
    });
}

TEST_F(frmBuyTest, LeavingWithoutOKChangesNothing) {
    for (const LeaveBy way : {LeaveBy::Escape, LeaveBy::Cancel, LeaveBy::CloseBox}) {
        const int result = Buy([way](frmBuy& dialog) {
            QTest::keyClicks(dialog.txtQuantity, "9");
            Leave(dialog, way);
            EXPECT_FALSE(dialog.isVisible());
        });
        EXPECT_EQ(result, QDialog::Rejected);
        EXPECT_EQ(vars.Cash, 2000);
        EXPECT_EQ(vars.ItemsCarried, 0);
        EXPECT_TRUE(IsEmpty(vars.Holdings[Row][NameField]));
    }
}

} // namespace
} // namespace dunemark
