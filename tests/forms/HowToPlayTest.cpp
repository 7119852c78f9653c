// How to Play: every figure it gives is the one the rules use, and F1 opens one window beside
// the game at any time.
#include "Doubles.h"
#include "core/Market.h"
#include "core/Travel.h"
#include "forms/frmHowToPlay.h"
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

QString OneIn(int chance) {
    return QStringLiteral("one in ") + Count(chance);
}

QString Percent(double value) {
    return Count(value) + QLatin1Char('%');
}

using HowToPlayTest = MainWindowTest;

TEST_F(HowToPlayTest, F1OpensOneWindowBesideTheGameWhoseFiguresAreTheRulesOwn) {
    window->GameOver(); // the end of a game leaves the menus, and the help, at hand
    for (int opening = 0; opening < 2; ++opening) {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_F1);
    }
    frmHowToPlay* help = window->HowToPlay();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_FALSE(help->isModal());
    EXPECT_EQ(window->findChildren<frmHowToPlay*>().size(), 1);
    EXPECT_TRUE(help->screen()->availableGeometry().contains(help->geometry()));

    const std::vector<std::pair<QString, QString>> figures = [] {
        std::vector<std::pair<QString, QString>> rows{
            {"The game", Count(GameDays)},
            {"The game", Money(StartingCash)},
            {"The game", Money(StartingLoan)},
            {"The game", Count(StartingSlaves)},
            {"Travel", Count(GameDays)},
            {"The market", Money(4857)}, // the dearest Gold of a day without an event
            {"The market", OneIn(LowPrices.chance) + ": about " + Percent(50)},
            {"The market", OneIn(Glut.chance) + ": " + Percent(10)},
            {"The market", OneIn(PharaohsDemand.chance) + ": " + Percent(300)},
            {"The market", OneIn(HighPrices.chance) + ": " + Percent(200)},
            {"The loan and the pyramid bank", Percent(LoanInterestPercent)},
            {"The loan and the pyramid bank", Percent(BankInterestPercent)},
            {"The loan and the pyramid bank", Money(PyramidBankPrice)},
            {"Favour and special products", Percent(SaleFavourStep)},
            {"Favour and special products", Percent(FavourForBonus)},
            {"Favour and special products", Money(BonusCeiling - 1)},
            {"Favour and special products", Count(SlavesPerPack)},
            {"Favour and special products", Money(SlavePackPrice)},
            {"Favour and special products", Count(SlaveLimit)},
            {"Dangers",
             OneIn(MuggingChance) + " that you are mugged and lose " + Percent(MuggingLossPercent)},
            {"Dangers", OneIn(RobberyChance) + " each day that it is robbed and loses " +
                            Percent(RobberyLossPercent)},
            {"High scores", Count(HighScorePlaces)},
            {"High scores", Money(DefaultHighScore().Total)},
        };
        for (int i = 0; i < GiftCount; ++i)
            rows.push_back({"Favour and special products",
                            Money(Gifts.GiftCost[i]) + "\n+" + Percent(Gifts.GiftFavour[i])});
        for (int rank = 0; rank < DesertRank; ++rank)
            rows.push_back({"Where you are buried", "above " + Money(BurialThreshold(rank))});
        return rows;
    }();
    const auto sections = Sections(*help->txtRules->document());
    for (const auto& [section, figure] : figures) {
        ASSERT_TRUE(sections.count(section)) << section.toStdString();
        EXPECT_TRUE(sections.at(section).contains(figure))
            << section.toStdString() << ": " << figure.toStdString();
    }

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
