#include "MainWindowFixture.h"

#include <QDialog>

namespace dunemark {
namespace {

// The total is bank plus cash minus the loan; goods carried count for nothing.
class GameOverTest : public MainWindowFixture {
protected:
    void FinishWith(std::int32_t cash, std::int32_t bank, std::int32_t debt) {
        TravelUntilDay(45);
        doubles.messages.shown.clear();
        vars.Holdings[1] = {std::string("Gold"), 2000.0, 50.0};
        vars.Cash = cash;
        vars.BankBalance = bank;
        vars.Debt = debt;
        // The burial window sees the total while it is open.
        doubles.modal.scripts.push_back([this](QDialog&) { scoreAtBurial = vars.FinalScore; });
        window->cmdFinish->click();
    }
    std::int32_t scoreAtBurial = 0;
};

TEST_F(GameOverTest, FinishAnnouncesTheTotalThenBurialThenHighScoresUnlessItIsNegative) {
    const std::vector<QString> both = {"What happened to you?", "Highscores"};
    const struct {
        std::int32_t cash, bank, debt, total;
        const char* said;
        std::vector<QString> shown;
        std::int32_t left; // what the windows opened from the menu see afterwards
    } cases[] = {
        {12000, 3000, 5000, 10000, "You managed to get a total of \r\n10,000", both, 0},
        {5000, 0, 5000, 0, "You managed to get a total of \r\n", both, 0},
        {100, 0, 2100, -2000, "You managed to get a total of \r\n-2,000", {both[0]}, -2000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.total);
        doubles.messages.answers = {MsgResult::Yes};
        window->mnuNewGame_Click();
        doubles.modal.shownTitles.clear();
        FinishWith(c.cash, c.bank, c.debt);
        EXPECT_EQ(doubles.messages.shown.front(),
                  (ShownMessage{c.said, "Game Over", MsgIcon::Information, MsgButtons::Ok}));
        EXPECT_EQ(scoreAtBurial, c.total);
        EXPECT_EQ(doubles.modal.shownTitles, c.shown);
        EXPECT_EQ(vars.FinalScore, c.left);
        EXPECT_FALSE(window->cmdFinish->isEnabled());
        EXPECT_TRUE(window->cmdFinish->isVisible());
        EXPECT_FALSE(window->lblTown[0]->isEnabled());
        EXPECT_FALSE(window->cmdSell->isEnabled());
    }
}

TEST_F(GameOverTest, FinishDoesNothingBeforeTheLastDay) {
    window->cmdFinish_Click();
    EXPECT_TRUE(doubles.messages.shown.empty());
    EXPECT_TRUE(window->cmdBuy->isEnabled());
}

TEST_F(GameOverTest, AMoveFromTheLastDayEndsTheGameTheSameWay) {
    TravelUntilDay(46);
    EXPECT_EQ(window->windowTitle(), "Dunemark - Day 46");
    EXPECT_EQ(doubles.modal.shownTitles.front(), "What happened to you?");
    EXPECT_TRUE(window->cmdFinish->isEnabled());
    window->cmdFinish->click();
    EXPECT_EQ(doubles.modal.shownTitles.size(), 1u) << "Finish does nothing after day 45";
}

TEST_F(GameOverTest, TheNewEntryIsThereWhenTheTableIsOpenedAgain) {
    doubles.input.answers = {"Nefertiti"};
    FinishWith(1000000, 0, 0);
    window->mnuHighS->trigger();
    EXPECT_EQ(doubles.input.asked.size(), 1u) << "the menu only shows the table";
    EXPECT_EQ(doubles.settings.GetSetting("Dunemark", "Scores", "Name0"), "Nefertiti");
    EXPECT_EQ(doubles.settings.GetSetting("Dunemark", "Scores", "Time0"), "1000000");
}

} // namespace
} // namespace dunemark
