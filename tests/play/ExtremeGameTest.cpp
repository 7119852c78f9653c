#include "MainWindowFixture.h"
#include "MainWindowInvariants.h"
#include "core/SpecialProducts.h"
#include "forms/FitLabel.h"
#include "forms/frmBuy.h"
#include "forms/frmFinances.h"
#include "forms/frmGetNumber.h"
#include "forms/frmSell.h"
#include "forms/frmSpecial.h"

#include <QFontMetricsF>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <limits>

namespace dunemark {
namespace {

constexpr std::int32_t MostMoney = std::numeric_limits<std::int32_t>::max();
constexpr std::int16_t MostFavour = std::numeric_limits<std::int16_t>::max();
constexpr int GraniteStatue = 7;
// The largest draw below 1.
constexpr float HighestDraw = 1.0f - 0x1p-24f;
constexpr int EventDraws = 4; // low, glut, demand, high: each market entry tries all of them

// Games driven to the limits of their numbers through the main window: nothing may wrap around,
// and the labels and the stored total must still say what the state holds.
class ExtremeGameTest : public MainWindowFixture {
protected:
    template <typename Dialog> void Next(std::function<void(Dialog&)> script) {
        doubles.modal.scripts.push_back(
            [script](QDialog& dialog) { script(dynamic_cast<Dialog&>(dialog)); });
    }

    // Moves to `town`, where the Pharaoh's demand drives the statue to its highest price; every
    // other draw is 0.
    void MoveToTheDearestStatues(int town) {
        auto& script = doubles.random.script;
        script.assign(static_cast<std::size_t>(town * ItemCount * (EventDraws + 1)), 0.0f);
        script.insert(script.end(), (GraniteStatue - 1) * (EventDraws + 1), 0.0f);
        script.insert(script.end(), {0.0f, 0.0f, ScriptedRandom::Wins(180), HighestDraw});
        window->lblTown_Click(town);
    }

    void BuyAll(int row) {
        window->Grid1->SetRow(row);
        Next<frmBuy>([](frmBuy& dialog) { QTest::keyClick(dialog.txtQuantity, Qt::Key_Return); });
        window->cmdBuy->click();
    }

    void SellAll(int row) {
        window->Grid2->SetRow(row);
        Next<frmSell>([](frmSell& dialog) { QTest::keyClick(dialog.txtQuantity, Qt::Key_Return); });
        window->cmdSell->click();
    }

    // One finances operation, taking the whole amount proposed.
    void Finances(QPushButton* frmFinances::*operation) {
        Next<frmFinances>([this, operation](frmFinances& finances) {
            Next<frmGetNumber>(
                [](frmGetNumber& amount) { QTest::keyClick(amount.txtMoney, Qt::Key_Return); });
            (finances.*operation)->click();
        });
        window->cmdFinances->click();
    }

    void ExpectSound() {
        EXPECT_EQ(BrokenInvariants(vars, *window, PlayerView{}), std::vector<std::string>{});
        for (QLabel* label : {window->lblCash, window->lblBank, window->lblDebt, window->lblFavour})
            ExpectWhole(label);
    }

    // A figure can be read whole, however long it has grown.
    static void ExpectWhole(const QLabel* label) {
        const auto* fit = qobject_cast<const FitLabel*>(label);
        ASSERT_TRUE(fit);
        EXPECT_LE(QFontMetricsF(fit->FittedFont()).horizontalAdvance(fit->text()),
                  fit->contentsRect().width())
            << fit->text().toStdString();
    }
};

TEST_F(ExtremeGameTest, AThousandSlavesSellTheirStatuesAtTheHighestPrice) {
    vars.Cash = MostMoney - 1000;
    window->ShowStatus();
    Next<frmSpecial>([](frmSpecial& special) {
        ExpectWhole(special.lblCash);
        special.cmdBuyPyramidBank->click();
        for (int pack = 0; pack < 20; ++pack)
            special.CmdIncreaseJacketSize->click();
    });
    window->cmdSpecial->click();
    ASSERT_EQ(vars.SlaveCount, 1000);
    EXPECT_EQ(doubles.messages.Texts().back(), "There are no more slaves for you to buy");

    BuyAll(GraniteStatue);
    EXPECT_EQ(window->Grid2->TextMatrix(GraniteStatue, 2), "1000");
    EXPECT_EQ(window->lblJacketSpace->text(), "Slaves: 0/1000");
    ExpectSound();

    MoveToTheDearestStatues(1);
    EXPECT_EQ(window->Grid1->TextMatrix(GraniteStatue, 1), "655,713");
    SellAll(GraniteStatue);
    EXPECT_EQ(vars.Cash, MostMoney) << "a sale beyond the range of money stays at its limit";
    EXPECT_EQ(window->lblCash->text(), "2,147,483,647");
    EXPECT_EQ(vars.ItemsCarried, 0);
    EXPECT_EQ(window->lblJacketSpace->text(), "Slaves: 1000/1000");
    EXPECT_EQ(vars.Favour, 3);
    ExpectSound();
}

TEST_F(ExtremeGameTest, MoneyAtTheTopOfItsRangeStaysThereAndNothingIsLost) {
    vars.HasPyramidBank = VbTrue;
    vars.Cash = MostMoney - 5;
    vars.BankBalance = MostMoney - 5;
    vars.Debt = MostMoney - 5;
    window->lblTown_Click(1);
    EXPECT_EQ(vars.BankBalance, MostMoney);
    EXPECT_EQ(vars.Debt, MostMoney);
    EXPECT_EQ(window->lblBank->text(), "2,147,483,647");
    EXPECT_EQ(window->lblDebt->text(), "2,147,483,647");
    ExpectSound();

    // A full bank takes nothing more; what it cannot hold stays in the cash.
    Finances(&frmFinances::cmdDeposit);
    EXPECT_EQ(vars.Cash, MostMoney - 5);
    EXPECT_EQ(vars.BankBalance, MostMoney);
    Finances(&frmFinances::cmdWithdraw);
    EXPECT_EQ(vars.Cash, MostMoney);
    EXPECT_EQ(vars.BankBalance, MostMoney - 5);
    Finances(&frmFinances::cmdPayLoan);
    EXPECT_EQ(vars.Cash, 0);
    EXPECT_EQ(vars.Debt, 0);
    EXPECT_EQ(window->lblCash->text(), "");
    ExpectSound();
}

TEST_F(ExtremeGameTest, FavourAtTheTopOfItsRangeStaysThereUntilTheBonus) {
    vars.Cash = MostMoney - 100;
    vars.Favour = MostFavour - 10;
    vars.Holdings[3] = {std::string("Grapes"), 1.0, 10.0};
    vars.ItemsCarried = 10;
    window->ShowHoldings();
    Next<frmSpecial>([](frmSpecial& special) {
        special.cmdButton[GiftTab]->click();
        special.OptGift[0]->click();
        special.cmdGiveGift->click();
    });
    window->cmdSpecial->click();
    EXPECT_EQ(vars.Favour, MostFavour);
    EXPECT_EQ(window->lblFavour->text(), "Favour = 32767%");

    SellAll(3); // at a profit: the favour would rise again
    EXPECT_EQ(vars.Favour, MostFavour);
    ExpectSound();

    doubles.random.script.assign(static_cast<std::size_t>(TownCount * ItemCount * (EventDraws + 1)),
                                 0.0f);
    doubles.random.script.insert(doubles.random.script.end(),
                                 {0.0f, HighestDraw}); // no mugging, the largest bonus
    window->lblTown_Click(2);
    EXPECT_EQ(doubles.messages.Texts().back(),
              "The Pharoah is pleased with you progress\r\nYou received a cash bonus of 299,999");
    EXPECT_EQ(vars.Favour, 0);
    EXPECT_EQ(vars.Cash, MostMoney);
    ExpectSound();
}

struct FinalTotalCase {
    const char* name;
    std::int32_t cash, bank, debt;
    const char* announced;
    const char* stored; // the first place afterwards, or "" when no high-score window opens
};

void PrintTo(const FinalTotalCase& c, std::ostream* out) {
    *out << c.name;
}

class ExtremeFinalTotal : public ExtremeGameTest,
                          public ::testing::WithParamInterface<FinalTotalCase> {};

TEST_P(ExtremeFinalTotal, IsAnnouncedAndStoredWithoutWrapping) {
    const FinalTotalCase& c = GetParam();
    TravelUntilDay(45);
    vars.HasPyramidBank = VbTrue;
    vars.Cash = c.cash;
    vars.BankBalance = c.bank;
    vars.Debt = c.debt;
    window->ShowStatus();
    doubles.messages.shown.clear();
    window->cmdFinish->click();
    EXPECT_EQ(doubles.messages.Texts().front(),
              std::string("You managed to get a total of \r\n") + c.announced);
    EXPECT_EQ(doubles.settings.GetSetting("Dunemark", "Scores", "Time0"), c.stored);
    EXPECT_EQ(BrokenInvariants(vars, *window, PlayerView{true, true, false}),
              std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Totals, ExtremeFinalTotal,
    ::testing::Values(FinalTotalCase{"TooLargeStaysAtTheLimit", MostMoney, MostMoney, 0,
                                     "2,147,483,647", "2147483647"},
                      FinalTotalCase{"JustFits", MostMoney - 1, 1, 0, "2,147,483,647",
                                     "2147483647"},
                      FinalTotalCase{"LargestDebtAlone", 0, 0, MostMoney, "-2,147,483,647", ""},
                      FinalTotalCase{"DebtOutweighsAFullBank", 0, MostMoney, MostMoney, "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace dunemark
