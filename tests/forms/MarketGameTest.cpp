// Market games from the File menu: started by the date or by a number, named in the caption, and
// a result line to copy when they end.
#include "Doubles.h"
#include "platform/qt/Language.h"
#include "platform/qt/QtClipboard.h"
#include "screenreader/SpokenNews.h"

namespace dunemark {
namespace {

using MarketGameTest = MainWindowTest;

TEST_F(MarketGameTest, TheFileMenuStartsAMarketByItsNumberOrByTheDate) {
    TravelUntilDay(2);
    const std::string refusal = "A market number is written in digits only, from 1 to 99999999.";
    // Cancel asks nothing more; anything but a number in the range is refused; the last number
    // is refused at the question that follows it.
    input.answers = {"", "12a", "100000000", "0", "30"};
    for (int ask = 0; ask < 5; ++ask)
        window->mnuMarketNumber->trigger();
    const std::pair<std::string, std::string> prompt{
        "The number of the market to play (digits only, from 1 to 99999999):", "Dunemark"};
    EXPECT_EQ(input.asked.front(), prompt);
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>{refusal, refusal, refusal,
                                                          "Are you sure you wish to start a new "
                                                          "game?"}));
    EXPECT_EQ(window->windowTitle(), "Dunemark - Day 2");
    EXPECT_FALSE(window->Tables().MarketNumber);

    input.answers = {" 30 "};
    messages.answers = {MsgResult::Yes};
    window->mnuMarketNumber->trigger();
    EXPECT_EQ(window->windowTitle(), "Dunemark - Market 30");
    window->lblTown_Click(1);
    EXPECT_EQ(window->windowTitle(), "Dunemark - Day 1 - Market 30");
    // Market 30's Gold on the first day in Wailey, at twice its usual price: the window shows
    // the market of the number, not of the clock's generator.
    EXPECT_EQ(window->Grid1->TextMatrix(1, 1), "6,926");
    EXPECT_EQ(random.seeds.size(), 90u) << "only the ordinary game's three markets are seeded";

    messages.answers = {MsgResult::Yes};
    window->mnuMarketOfDay->trigger();
    EXPECT_EQ(window->windowTitle(), "Dunemark - Market 20261206");
    NewGame();
    EXPECT_EQ(window->windowTitle(), "Dunemark");
    EXPECT_FALSE(window->Tables().MarketNumber);
}

// At the end of a market game the burial window offers the result line; an ordinary game's
// burial window is as it always was.
TEST_F(MarketGameTest, TheEndOfAMarketGameCopiesItsResultLine) {
    QString copyText;
    for (const bool market : {false, true}) {
        if (market) {
            input.answers = {"30"};
            messages.answers = {MsgResult::Yes};
            window->mnuMarketNumber->trigger();
        }
        TravelUntilDay(GameDays);
        vars.Cash = 1'234'567, vars.Debt = 0;
        Next<frmShowEndTomb>([&](frmShowEndTomb& tomb) {
            EXPECT_EQ(tomb.cmdCopy != nullptr, market);
            if (!market)
                return;
            EXPECT_EQ(tomb.focusWidget(), &tomb) << "Enter, Space and Escape still close it";
            tomb.cmdCopy->click();
            copyText = tomb.cmdCopy->text() + '|' + tomb.findChild<SpokenNews*>()->News();
        });
        modal.fallback = [](QDialog& dialog) { dialog.reject(); };
        input.answers = {"Ann"};
        window->cmdFinish->click();
        EXPECT_EQ(clipboard.copied.size(), market ? 1u : 0u);
    }
    EXPECT_EQ(clipboard.copied,
              (std::vector<std::string>{"Dunemark, market 30: 1,234,567 in 45 days, buried with "
                                        "the common folk"}));
    EXPECT_EQ(copyText, "Copied|Copied") << "on the button, and told to a screen reader";

    // Every rank has its line; a total of nothing is written as 0.
    EXPECT_EQ(frmShowEndTomb::ResultLine(20261207, 0, 45),
              "Dunemark, market 20261207: 0 in 45 days, tossed into the desert");
    EXPECT_EQ(frmShowEndTomb::ResultLine(7, 50'000'001, 45),
              "Dunemark, market 7: 50,000,001 in 45 days, buried next to the Gods");

    QtClipboard().Copy("Dunemark, market 7");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Dunemark, market 7");
}

// In another language the line and the caption are the language's, the total written as its
// sums are; the number stays in plain digits.
TEST_F(MarketGameTest, TheLineAndTheCaptionSpeakThePlayersLanguage) {
    Language language;
    ASSERT_TRUE(language.Install("de"));
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString line = frmShowEndTomb::ResultLine(20261207, 1'234'567, GameDays);
    QLocale::setDefault(before);
    EXPECT_EQ(line,
              "Dunemark, Markt 20261207: 1.234.567 in 45 Tagen, begraben beim einfachen Volk");
    input.answers = {"20261207"};
    messages.answers = {MsgResult::Yes};
    window->mnuMarketNumber->trigger();
    window->lblTown_Click(2);
    EXPECT_EQ(window->windowTitle(), "Dunemark - Tag 1 - Markt 20261207");
}

} // namespace
} // namespace dunemark
