// How to Play: every figure it gives is the one the rules use, and F1 opens one window beside
// the game at any time.
#include "Doubles.h"
#include "core/Market.h"
#include "core/Travel.h"
#include "forms/frmHowToPlay.h"
#include "platform/qt/CentreOver.h"
#include "scores/HighScoreTable.h"

#include <QScreen>
#include <QTextBlock>
#include <QTextBrowser>
#include <cmath>
#include <map>

namespace dunemark {
namespace {

// The text under each heading.
std::map<QString, QString> Sections(const QTextDocument& document) {
    std::map<QString, QString> sections;
    QString heading;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 2)
            heading = block.text();
        else if (!heading.isEmpty())
            sections[heading] += block.text() + QLatin1Char('\n');
    }
    return sections;
}

QString Count(double value) {
    return QLocale().toString(std::lround(value));
}

QString Chance(int chance, double percent, const char* between = ": ") {
    return "one in " + Count(chance) + between + Count(percent) + '%';
}

using HowToPlayTest = MainWindowTest;

TEST_F(HowToPlayTest, F1OpensOneWindowBesideTheGameWhoseFiguresAreTheRulesOwn) {
    window->GameOver(); // the end of a game leaves the menus, and the help, at hand
    for (int opening = 0; opening < 2; ++opening) {
        ASSERT_TRUE(Activate(window.get()));
        QTest::keyClick(window.get(), Qt::Key_F1);
    }
    frmHowToPlay* help = window->HowToPlay();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible() && !help->isModal());
    EXPECT_EQ(window->findChildren<frmHowToPlay*>().size(), 1);
    // Beside the game, as the ledger opens, so that the map stays in sight, and wholly on the
    // screen (LedgerPlace).
    EXPECT_EQ(help->pos(), Beside(window->frameGeometry(), help->frameGeometry().size(),
                                  help->screen()->availableGeometry()));

    // Each section and the figures it must give.
    std::map<QString, QStringList> figures = {
        {"The game",
         {Count(GameDays), Money(StartingCash), Money(StartingLoan), Count(StartingSlaves),
          "between Origon, Wailey and Foxton"}},
        {"Travel", {Count(GameDays)}},
        {"The market",
         {Money(4857), // the dearest Gold of a day without an event
          Chance(LowPrices.chance, 50, ": about "), Chance(Glut.chance, 10),
          Chance(PharaohsDemand.chance, 300), Chance(HighPrices.chance, 200)}},
        {"The loan and the pyramid bank",
         {Count(LoanInterestPercent) + '%', Count(BankInterestPercent) + '%',
          Money(PyramidBankPrice)}},
        {"Favour and special products",
         {Count(SaleFavourStep) + '%', Count(FavourForBonus) + '%', Money(BonusCeiling - 1),
          Count(SlavesPerPack), Money(SlavePackPrice), Count(SlaveLimit)}},
        {"Dangers",
         {Chance(MuggingChance, MuggingLossPercent, " that you are mugged and lose "),
          Chance(RobberyChance, RobberyLossPercent, " each day that it is robbed and loses ")}},
        {"High scores", {Count(HighScorePlaces), Money(DefaultHighScore().Total)}},
    };
    for (int i = 0; i < GiftCount; ++i)
        figures["Favour and special products"]
            << Money(Gifts.GiftCost[i]) + "\n+" + Count(Gifts.GiftFavour[i]) + '%';
    for (int rank = 0; rank < DesertRank; ++rank)
        figures["Where you are buried"] << "above " + Money(BurialThreshold(rank));
    figures["Where you are buried"] << Money(BurialThreshold(DesertRank - 1)) + " or less";
    auto sections = Sections(*help->txtRules->document());
    for (const auto& [section, shown] : figures)
        for (const QString& figure : shown)
            EXPECT_TRUE(sections[section].contains(figure))
                << section.toStdString() << ": " << figure.toStdString();

    // Closed and opened again, it keeps the size the player gave it.
    help->resize(help->width() - 40, help->height() - 30);
    const QSize size = help->size();
    help->close();
    window->mnuHowToPlay->trigger();
    EXPECT_EQ(window->HowToPlay(), help);
    EXPECT_EQ(help->size(), size);
}

} // namespace
} // namespace dunemark
