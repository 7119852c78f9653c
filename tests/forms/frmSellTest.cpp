#include "forms/frmSell.h"

#include "PlatformDoubles.h"
#include "forms/QuantityDialogDriver.h"

#include <QLabel>
#include <gtest/gtest.h>
#include <string>

namespace dunemark {
namespace {

constexpr int Row = 5;

// Wheat bought at 100 that sells at 120 here.
class frmSellTest : public ::testing::Test {
protected:
    frmSellTest() { Hold(13); }

    void Hold(double quantity) {
        vars = DeclareVars{};
        vars.MarketItems[Row][NameField][0] = std::string("Wheat");
        vars.MarketItems[Row][PriceField][0] = 120.0;
        vars.Holdings[Row] = {std::string("Wheat"), 100.0, quantity};
        vars.ItemsCarried = static_cast<std::int16_t>(quantity);
        vars.Favour = 10;
    }

    // Opens a fresh dialog on the row, with the quantity the holdings grid shows, and lets the
    // script play the player.
    int Sell(const std::function<void(frmSell&)>& script) {
        frmSell dialog(vars, Row, CellNumber(vars.Holdings[Row][QuantityField]));
        return doubles.Drive(dialog, script);
    }

    double Held() const { return CellNumber(vars.Holdings[Row][QuantityField]); }

    PlatformDoubles doubles;
    DeclareVars vars;
};

TEST_F(frmSellTest, ProposesEverythingHeldAndSellingItEmptiesTheRow) {
    const int result = Sell([](frmSell& dialog) {
        EXPECT_EQ(dialog.txtQuantity->text(), "13");
        EXPECT_EQ(dialog.txtQuantity->selectedText(), "13");
        EXPECT_EQ(dialog.lblInfo->text(), "You have 13 items to sell");
        EXPECT_TRUE(dialog.isModal());
        EXPECT_TRUE(dialog.cmdOK->isDefault());
        PressEnter(dialog);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_TRUE(IsEmpty(vars.Holdings[Row][NameField]));
    EXPECT_EQ(vars.Cash, 2000 + 13 * 120);
    EXPECT_EQ(vars.Favour, 13);
}

TEST_F(frmSellTest, NoMoreThanIsHeldCanBeTypedAndPartLeavesTheRest) {
    Sell([](frmSell& dialog) {
        QTest::keyClicks(dialog.txtQuantity, "20");
        EXPECT_EQ(dialog.txtQuantity->text(), "13");
        QTest::keyClicks(dialog.txtQuantity, "-");
        EXPECT_EQ(dialog.txtQuantity->text(), "13");
        Erase(dialog.txtQuantity);
        QTest::keyClicks(dialog.txtQuantity, "5");
        PressOK(dialog);
    });
    EXPECT_EQ(Held(), 8);
    EXPECT_EQ(vars.Cash, 2000 + 5 * 120);
}

TEST_F(frmSellTest, PastedFractionsSellTheirWholePart) {
    const struct {
        const char* pasted;
        bool emptied;
        double left;
    } cases[] = {{"2.5", false, 1}, {"3.5", false, 0}, {"3", true, 0}, {"0", false, 3}};
    for (const auto& c : cases) {
        Hold(3);
        Sell([&](frmSell& dialog) {
            Paste(dialog.txtQuantity, c.pasted);
            EXPECT_EQ(dialog.txtQuantity->text(), c.pasted);
            PressOK(dialog);
        });
        EXPECT_EQ(IsEmpty(vars.Holdings[Row][NameField]), c.emptied) << c.pasted;
        EXPECT_EQ(Held(), c.left) << c.pasted;
    }
}

TEST_F(frmSellTest, LeavingWithoutOKChangesNothing) {
    for (const LeaveBy way : {LeaveBy::Escape, LeaveBy::Cancel, LeaveBy::CloseBox}) {
        const int result = Sell([way](frmSell& dialog) {
            QTest::keyClicks(dialog.txtQuantity, "4");
            Leave(dialog, way);
        });
        EXPECT_EQ(result, QDialog::Rejected);
        EXPECT_EQ(Held(), 13);
        EXPECT_EQ(vars.Cash, 2000);
        EXPECT_EQ(vars.Favour, 10);
    }
}

} // namespace
} // namespace dunemark
