// A whole game played through the real windows, and the start of the program. The sums are the
// rules' business: here, what the windows add to them.
#include "Doubles.h"

namespace dunemark {
namespace {

TEST_F(MainWindowTest, AScriptedGameFromTheFirstMarketToTheHighScores) {
    EXPECT_EQ(window->Grid1->Row(), 10);
    EXPECT_TRUE(window->Picture1->HasPicture());
    window->Grid1->SetRow(3);
    Next<frmBuy>([](frmBuy& buy) { QTest::keyClicks(buy.txtQuantity, "60\r"); });
    window->cmdBuy->click();
    QTest::mouseClick(window->lblTown[1], Qt::LeftButton);
    QTest::mouseClick(window->lblTown[1], Qt::LeftButton); // the same town: no new day
    window->Grid2->SetRow(4);
    EXPECT_FALSE(window->cmdSell->isEnabled()) << "nothing to sell in an empty row";
    QTest::keyClick(window->Grid2, Qt::Key_Up);
    Next<frmSell>([](frmSell& sell) { QTest::keyClicks(sell.txtQuantity, "40\r"); });
    window->cmdSell->click();
    // The finances window only shows its figures; the amount dialog proposes all the cash.
    Next<frmFinances>([this](frmFinances& finances) {
        QTest::keyClicks(finances.txtCash, "9");
        EXPECT_EQ(finances.txtCash->text(), "1600");
        Next<frmGetNumber>([](frmGetNumber& amount) { QTest::keyClick(amount.txtMoney, '\r'); });
        finances.cmdPayLoan->click();
        finances.cmdOK->click();
    });
    window->cmdFinances->click();
    EXPECT_EQ(modal.shownTitles, (std::vector<QString>{"Buy - Grapes", "Sell - Grapes", "Finances",
                                                       "Financial situation"}));
    EXPECT_EQ(window->windowTitle(), "Dunemark - Day 1");
    EXPECT_EQ(window->Grid2->TextMatrix(3, 2), "20");
    EXPECT_EQ(window->lblDebt->text(), "3,900");

    // The last day: the warning comes with buying already off, and Finish covers the map.
    bool buyOff = false;
    messages.onShow = [&](const ShownMessage&) { buyOff = !window->cmdBuy->isEnabled(); };
    TravelUntilDay(45);
    EXPECT_TRUE(buyOff);
    const QPoint mapMiddle = window->Picture1->geometry().center() + window->centralWidget()->pos();
    EXPECT_EQ(window->childAt(mapMiddle), window->cmdFinish);

    // Finish: the total (goods count for nothing), the burial, then the name for the table.
    vars.Cash = 1'000'000;
    vars.Debt = 0;
    vars.BankBalance = 234'567;
    modal.shownTitles.clear();
    input.answers = {"Nefertiti"};
    window->cmdFinish->click();
    EXPECT_EQ(messages.shown.back(),
              (ShownMessage{"You managed to get a total of \r\n1,234,567", "Game Over",
                            MsgIcon::Information, MsgButtons::Ok}));
    EXPECT_EQ(modal.shownTitles, (std::vector<QString>{"What happened to you?", "Highscores"}));
    EXPECT_EQ(settings.GetSetting("Dunemark", "Scores", "Name0"), "Nefertiti");
    window->mnuHighS->trigger();
    EXPECT_EQ(input.asked.size(), 1u) << "the menu only shows the table";
    window->mnuNewGame->trigger(); // answered No
    EXPECT_EQ(messages.shown.back(),
              (ShownMessage{"Are you sure you wish to start a new game?", "Dunemark",
                            MsgIcon::Question, MsgButtons::YesNo}));
    EXPECT_FALSE(window->cmdFinish->isEnabled());
    NewGame();
    EXPECT_EQ(window->windowTitle(), "Dunemark");
    EXPECT_TRUE(window->Grid2->TextMatrix(3, 0).isEmpty());
}

// The story is the first and only window; a click or a typed key opens the game, the close box
// ends the program, other keys do nothing. From the menu, it stands beside the game.
TEST(StartUpTest, TheStoryComesFirstAndLeadsToTheGame) {
    using Act = std::function<void(frmStory&)>;
    const std::pair<Act, bool> cases[] = {
        {[](frmStory& s) { QTest::mouseClick(s.lblStory, Qt::LeftButton); }, true},
        {[](frmStory& s) { QTest::mouseClick(s.Image2, Qt::LeftButton); }, true},
        {[](frmStory& s) { QTest::keyClick(&s, Qt::Key_Q); }, true},
        {[](frmStory& s) { QTest::keyClick(&s, Qt::Key_Escape); }, true},
        {[](frmStory& s) { QTest::keyClick(&s, Qt::Key_F5), QTest::keyClick(&s, Qt::Key_Left); },
         false},
        {[](frmStory& s) { s.close(); }, false},
    };
    for (const auto& [act, opensGame] : cases) {
        PlatformDoubles doubles;
        StartUp startUp(doubles.platform);
        startUp.Begin();
        ASSERT_TRUE(startUp.Story()->isVisible());
        act(*startUp.Story());
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_EQ(startUp.Main() != nullptr, opensGame);
        if (opensGame) {
            startUp.Main()->mnuStory->trigger();
            EXPECT_TRUE(startUp.Main()->isEnabled()) << "the story is not modal";
            startUp.Main()->mnuExit->trigger();
            EXPECT_EQ(startUp.Main()->Story(), nullptr) << "it goes with the game";
        }
    }
}

} // namespace
} // namespace dunemark
