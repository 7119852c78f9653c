#include "forms/frmSell.h"

#include "forms/QuantityDialogDriver.h"

#include <QLabel>
#include <gtest/gtest.h>
#include <string>

namespace dunemark {
namespace {

constexpr int Row = 5;

class frmSellTest : public ::testing::Test {
protected:
    frmSellTest() {
        SetPrice(120);
        Hold(100, 13);
        vars.Favour = 10;
    }

    void SetPrice(double price) {
        vars.MarketItems[Row][NameField][0] = std::string("Wheat");
        vars.MarketItems[Row][PriceField][0] = price;
    }
    void Hold(double pricePaid, double quantity) {
        vars.Holdings[Row] = {std::string("Wheat"), pricePaid, quantity};
        vars.ItemsCarried = static_cast<std::int16_t>(quantity);
    }

    // Opens a fresh dialog on the row, with the quantity the holdings grid shows, and lets the
    // script play the player.
    int Sell(const std::function<void(frmSell&)>& script) {
        frmSell dialog(vars, Row, CellNumber(vars.Holdings[Row][QuantityField]));
        return Drive(dialog, script);
    }
    int SellTyped(const char* typed) {
        return Sell([typed](frmSell& dialog) {
            QTest::keyClicks(dialog.txtQuantity, typed);
            PressOK(dialog);
        });
    }

    double Held() const { return CellNumber(vars.Holdings[Row][QuantityField]); }

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
    for (const Cell& field : vars.Holdings[Row])
        EXPECT_TRUE(IsEmpty(field));
    EXPECT_EQ(vars.Cash, 2000 + 13 * 120);
    EXPECT_EQ(vars.ItemsCarried, 0);
    EXPECT_EQ(vars.Favour, 13);
}

TEST_F(frmSellTest, SellingPartLeavesTheRest) {
    SellTyped("5");
    EXPECT_EQ(Held(), 8);
    EXPECT_EQ(CellText(vars.Holdings[Row][NameField]), "Wheat");
    EXPECT_EQ(CellNumber(vars.Holdings[Row][PriceField]), 100);
    EXPECT_EQ(vars.Cash, 2000 + 5 * 120);
    EXPECT_EQ(vars.ItemsCarried, 8);
}

TEST_F(frmSellTest, NoMoreThanIsHeldCanBeTyped) {
    Sell([](frmSell& dialog) {
        QTest::keyClicks(dialog.txtQuantity, "20");
        EXPECT_EQ(dialog.txtQuantity->text(), "13");
        QTest::keyClicks(dialog.txtQuantity, "-");
        EXPECT_EQ(dialog.txtQuantity->text(), "13");
    });
    EXPECT_EQ(Held(), 13);
}

TEST_F(frmSellTest, PastedFractionsSellTheirWholePart) {
    struct Case {
        const char* pasted;
        bool emptied;
        double left;
    };
    const Case cases[] = {{"2.5", false, 1}, {"3.5", false, 0}, {"3", true, 0}, {"0", false, 3}};
    for (const auto& c : cases) {
        Hold(100, 3);
        vars.Cash = 0;
        Sell([&](frmSell& dialog) {
            Paste(dialog.txtQuantity, c.pasted);
            EXPECT_EQ(dialog.txtQuantity->text(), c.pasted);
            PressOK(dialog);
        });
        EXPECT_EQ(IsEmpty(vars.Holdings[Row][NameField]), c.emptied) << c.pasted;
        EXPECT_EQ(Held(), c.left) << c.pasted;
        EXPECT_EQ(vars.ItemsCarried, c.left) << c.pasted;
        EXPECT_EQ(vars.Cash, (3 - c.left) * 120) << c.pasted;
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
        EXPECT_EQ(vars.ItemsCarried, 13);
        EXPECT_EQ(vars.Favour, 10);
    }
}

} // namespace
} // namespace dunemark
