#include "MainWindowFixture.h"
#include "forms/Look.h"
#include "forms/SvgPicture.h"
#include "forms/frmStory.h"

#include <QTest>

namespace dunemark {
namespace {

using MainWindowTest = MainWindowFixture;

TEST_F(MainWindowTest, AGameStartsWithTheOpeningMoneyAndTheMarketOfTheFirstTown) {
    EXPECT_EQ(window->windowTitle(), "Dunemark");
    EXPECT_EQ(window->lblCash->text(), "2,000");
    EXPECT_EQ(window->lblDebt->text(), "5,000");
    EXPECT_EQ(window->lblBank->text(), "");
    EXPECT_FALSE(window->lblBank->isEnabled());
    EXPECT_EQ(window->lblJacketSpace->text(), "Slaves: 100/100");
    EXPECT_EQ(window->lblFavour->text(), "Favour = 0%");
    EXPECT_EQ(TextColour(window->lblTown[0]), colours::Yellow);
    EXPECT_EQ(TextColour(window->lblTown[1]), colours::Green);
    EXPECT_TRUE(doubles.messages.shown.empty());
    EXPECT_EQ(window->Grid1->TextMatrix(4, 0), "Water");
    EXPECT_EQ(window->Grid1->TextMatrix(1, 1), "2,000"); // every draw is 0: the base price
    EXPECT_EQ(window->Grid1->Row(), 10);
    EXPECT_TRUE(window->Picture1->HasPicture());
    EXPECT_FALSE(window->cmdBuy->icon().isNull());
}

TEST_F(MainWindowTest, StatusLabelsFollowTheState) {
    vars.ItemsCarried = 30;
    vars.Cash = 0;
    vars.HasPyramidBank = VbTrue;
    vars.BankBalance = 1234567;
    vars.Favour = 123;
    window->ShowStatus();
    EXPECT_EQ(window->lblJacketSpace->text(), "Slaves: 70/100");
    EXPECT_EQ(window->lblCash->text(), "");
    EXPECT_EQ(window->lblBank->text(), "1,234,567");
    EXPECT_TRUE(window->lblBank->isEnabled());
    EXPECT_EQ(window->lblFavour->text(), "Favour = 123%");
}

TEST_F(MainWindowTest, ClickingAnotherTownBeginsADayAndTheSameTownDoesNot) {
    QTest::mouseClick(window->lblTown[1], Qt::LeftButton);
    EXPECT_EQ(window->windowTitle(), "Dunemark - Day 1");
    EXPECT_EQ(window->lblDebt->text(), "5,500");
    EXPECT_EQ(TextColour(window->lblTown[1]), colours::Yellow);
    EXPECT_EQ(TextColour(window->lblTown[0]), colours::Green);
    EXPECT_TRUE(window->Grid1->updatesEnabled());

    QTest::mouseClick(window->lblTown[1], Qt::LeftButton);
    EXPECT_EQ(window->windowTitle(), "Dunemark - Day 1");
    EXPECT_EQ(vars.Debt, 5500);
}

TEST_F(MainWindowTest, SellFollowsTheSelectedHoldingsRow) {
    vars.Holdings[3] = {std::string("Grapes"), 20.0, 5.0};
    vars.ItemsCarried = 5;
    window->ShowHoldings();
    EXPECT_EQ(window->Grid2->TextMatrix(3, 2), "5");

    window->Grid2->SetRow(4);
    EXPECT_FALSE(window->cmdSell->isEnabled());
    QTest::keyClick(window->Grid2, Qt::Key_Up);
    EXPECT_TRUE(window->cmdSell->isEnabled());

    const QRect empty = window->Grid2->visualRect(window->Grid2->model()->index(6, 0));
    QTest::mouseClick(window->Grid2->viewport(), Qt::LeftButton, {}, empty.center());
    EXPECT_FALSE(window->cmdSell->isEnabled());
}

TEST_F(MainWindowTest, TheLastDayEndsBuyingAndCoversTheMap) {
    TravelUntilDay(44);
    EXPECT_FALSE(window->cmdFinish->isVisible());
    bool buyDisabledAtMessage = false;
    doubles.messages.onShow = [&](const ShownMessage&) {
        buyDisabledAtMessage = !window->cmdBuy->isEnabled();
    };
    TravelUntilDay(45);
    EXPECT_TRUE(buyDisabledAtMessage);
    EXPECT_EQ(doubles.messages.Texts().back(), "This is you last day, better sell your stock");
    EXPECT_FALSE(window->cmdBuy->isEnabled());
    EXPECT_TRUE(window->cmdSell->isEnabled());
    EXPECT_TRUE(window->cmdFinish->isVisible());
    EXPECT_EQ(
        window->childAt(window->Picture1->geometry().center() + window->centralWidget()->pos()),
        window->cmdFinish);
}

TEST_F(MainWindowTest, AfterGameOverOnlyTheMenusRemainUntilANewGame) {
    vars.Holdings[2] = {std::string("Silver"), 900.0, 1.0};
    vars.ItemsCarried = 1;
    window->ShowHoldings();
    TravelUntilDay(46);
    const std::vector<QWidget*> controls = {window->lblTown[1], window->cmdBuy, window->cmdSell,
                                            window->cmdFinances, window->cmdSpecial};
    for (const QWidget* control : controls)
        EXPECT_FALSE(control->isEnabled());
    window->Grid2->SetRow(2);
    EXPECT_FALSE(window->cmdSell->isEnabled());
    EXPECT_TRUE(window->cmdFinish->isEnabled()) << "ended by a move, not by Finish";

    doubles.messages.shown.clear();
    doubles.messages.answers = {MsgResult::Yes};
    window->mnuNewGame->trigger();
    EXPECT_EQ(doubles.messages.shown.front(),
              (ShownMessage{"Are you sure you wish to start a new game?", "Dunemark",
                            MsgIcon::Question, MsgButtons::YesNo}));
    EXPECT_EQ(window->windowTitle(), "Dunemark");
    EXPECT_EQ(window->Tables().CurrentDay, 0);
    EXPECT_TRUE(window->Grid2->TextMatrix(2, 0).isEmpty());
    EXPECT_TRUE(window->lblTown[1]->isEnabled());
    EXPECT_TRUE(window->cmdBuy->isEnabled());
    EXPECT_FALSE(window->cmdFinish->isVisible());
    EXPECT_EQ(TextColour(window->lblTown[0]), colours::Yellow);
}

TEST_F(MainWindowTest, NewGameAnsweredNoChangesNothing) {
    TravelUntilDay(3);
    const DeclareVars before = vars;
    doubles.messages.answers = {MsgResult::No};
    window->mnuNewGame_Click();
    EXPECT_EQ(window->windowTitle(), "Dunemark - Day 3");
    EXPECT_EQ(vars.Cash, before.Cash);
    EXPECT_EQ(vars.Debt, before.Debt);
    EXPECT_EQ(vars.MarketItems, before.MarketItems);
}

TEST_F(MainWindowTest, ExitClosesTheGameWithItsStory) {
    window->mnuStory_Click();
    ASSERT_NE(window->Story(), nullptr);
    window->mnuExit->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->Story(), nullptr);
}

} // namespace
} // namespace dunemark
