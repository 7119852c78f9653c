#include "MainWindowFixture.h"
#include "forms/frmBuy.h"
#include "forms/frmFinances.h"
#include "forms/frmGetNumber.h"
#include "forms/frmSell.h"
#include "forms/frmSpecial.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace dunemark {
namespace {

// The main window opening its dialogs, with every draw 0: each market price is its base price.
class MainWindowDialogsTest : public MainWindowFixture {
protected:
    template <typename Dialog> void Next(std::function<void(Dialog&)> script) {
        doubles.modal.scripts.push_back(
            [script](QDialog& dialog) { script(dynamic_cast<Dialog&>(dialog)); });
    }

    void BuyAll(int row) {
        window->Grid1->SetRow(row);
        Next<frmBuy>([](frmBuy& dialog) { QTest::keyClick(dialog.txtQuantity, Qt::Key_Return); });
        window->cmdBuy->click();
    }
};

constexpr int Grapes = 3, GraniteStatue = 7;

TEST_F(MainWindowDialogsTest, ABuyShowsInTheHoldingsAndTheLabels) {
    BuyAll(Grapes);
    ASSERT_EQ(doubles.modal.shownTitles, std::vector<QString>{"Buy - Grapes"});
    EXPECT_EQ(window->Grid2->TextMatrix(Grapes, 0), "Grapes");
    EXPECT_EQ(window->Grid2->TextMatrix(Grapes, 1), "20");
    EXPECT_EQ(window->Grid2->TextMatrix(Grapes, 2), "100");
    EXPECT_EQ(window->lblCash->text(), "");
    EXPECT_EQ(window->lblJacketSpace->text(), "Slaves: 0/100");
}

TEST_F(MainWindowDialogsTest, BuyRefusesMoneyFirstThenSpace) {
    window->Grid1->SetRow(GraniteStatue);
    vars.ItemsCarried = 100;
    window->cmdBuy->click();
    window->Grid1->SetRow(Grapes);
    window->cmdBuy->click();
    EXPECT_EQ(doubles.messages.Texts(),
              (std::vector<std::string>{"You aint got the dosh mate", "Ya not got enuff slaves"}));
    EXPECT_EQ(doubles.messages.shown[0].icon, MsgIcon::None);
    EXPECT_TRUE(doubles.modal.shownTitles.empty());
}

TEST_F(MainWindowDialogsTest, SellingEverythingEmptiesTheRow) {
    BuyAll(Grapes);
    window->Grid2->SetRow(Grapes);
    Next<frmSell>([](frmSell& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Sell - Grapes");
        QTest::keyClick(dialog.txtQuantity, Qt::Key_Return);
    });
    window->cmdSell->click();
    EXPECT_TRUE(window->Grid2->TextMatrix(Grapes, 0).isEmpty());
    EXPECT_EQ(window->lblCash->text(), "2,000");
    EXPECT_EQ(window->lblFavour->text(), "Favour = 0%") << "sold at the price paid";

    window->cmdSell->click();
    EXPECT_EQ(doubles.messages.Texts().back(), "Nothing there to sell");
}

TEST_F(MainWindowDialogsTest, ACancelledDialogStillRefreshesTheHoldings) {
    vars.Holdings[1] = {std::string("Gold"), 2000.0, 1.0};
    window->Grid1->SetRow(Grapes);
    Next<frmBuy>([](frmBuy& dialog) { QTest::keyClick(dialog.txtQuantity, Qt::Key_Escape); });
    window->cmdBuy->click();
    EXPECT_EQ(vars.Cash, 2000);
    EXPECT_EQ(window->Grid2->TextMatrix(1, 0), "Gold");
}

TEST_F(MainWindowDialogsTest, PayingTheLoanShowsInTheMainWindow) {
    Next<frmFinances>([this](frmFinances& finances) {
        Next<frmGetNumber>([](frmGetNumber& amount) {
            EXPECT_EQ(amount.txtMoney->text(), "2000");
            QTest::keyClick(amount.txtMoney, Qt::Key_Return);
        });
        finances.cmdPayLoan->click();
        finances.cmdOK->click();
    });
    window->cmdFinances->click();
    EXPECT_EQ(window->lblCash->text(), "");
    EXPECT_EQ(window->lblDebt->text(), "3,000");
}

TEST_F(MainWindowDialogsTest, SpecialProductsUpdateTheMainWindow) {
    vars.Cash = 20000;
    window->ShowStatus();
    Next<frmSpecial>([this](frmSpecial& special) {
        special.cmdBuyPyramidBank->click();
        special.cmdButton[2]->click();
        special.OptGift[0]->click();
        special.cmdGiveGift->click();
        EXPECT_EQ(window->lblFavour->text(), "Favour = 33%") << "while the dialog is open";
    });
    window->cmdSpecial->click();
    EXPECT_EQ(window->lblCash->text(), "5,000");
    EXPECT_TRUE(window->lblBank->isEnabled());
}

} // namespace
} // namespace dunemark
