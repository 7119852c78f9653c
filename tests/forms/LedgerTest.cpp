// The ledger through a whole game: every price seen and every day's fortune, as the main window
// showed them.
#include "Doubles.h"
#include "core/GameOver.h"
#include "core/Trade.h"
#include "forms/FortuneChart.h"
#include "forms/PriceChart.h"
#include "forms/frmLedger.h"
#include "platform/ClockSeededRandom.h"

#include <QCheckBox>
#include <QLineSeries>
#include <QListWidget>
#include <QStackedWidget>
#include <QTabWidget>

namespace dunemark {
namespace {

constexpr int LastDay = 45;

double Number(const QString& money) {
    return ReadMoney(money.toStdString(), ",");
}

QString Cell(const QTableWidget* table, int row, int column) {
    const QTableWidgetItem* cell = table->item(row, column);
    return cell ? cell->text() : QStringLiteral("(none)");
}

// A game played through the real windows with the ledger open, on a fixed stream of draws.
class LedgerTest : public ::testing::Test, protected PlatformDoubles {
protected:
    LedgerTest() {
        modal.fallback = [](QDialog& dialog) {
            if (auto* quantity = qobject_cast<QuantityDialog*>(&dialog))
                quantity->cmdOK->click(); // as many as proposed
        };
        window.mnuLedger->trigger();
        ledger = window.LedgerWindow();
    }

    ClockSeededRandom chance{20261206};
    Platform seeded{messages, input, settings, clock, chance, links, modal};
    DeclareVars vars;
    frmMain window{vars, seeded};
    frmLedger* ledger = nullptr;
};

TEST_F(LedgerTest, AWholeGameShowsEveryPriceSeenAndEachDaysClosingFortune) {
    std::vector<int> towns;
    std::vector<QStringList> grids; // the market grid's prices, day by day
    std::vector<double> fortunes;   // cash + bank - debt as the labels show them
    for (int day = 0; day <= LastDay; ++day) {
        window.Grid2->SetRow(1 + day % ItemCount); // yesterday's purchase
        window.cmdSell->click();
        window.Grid1->SetRow(1 + (day + 1) % ItemCount);
        window.cmdBuy->click();
        if (day == 3) { // a bank, as the special products window leaves it, with money in it
            vars.HasPyramidBank = VbTrue;
            vars.BankBalance = 5000;
            window.ShowStatus();
        }
        towns.push_back(vars.CurrentTown);
        grids.push_back({});
        for (int r = 1; r <= ItemCount; ++r)
            grids.back() << window.Grid1->TextMatrix(r, 1);
        fortunes.push_back(Number(window.lblCash->text()) + Number(window.lblBank->text()) -
                           Number(window.lblDebt->text()));
        ASSERT_EQ(Number(Cell(ledger->grdFortune, day, 1)), fortunes.back()) << "day " << day;
        if (day < LastDay)
            window.lblTown_Click((vars.CurrentTown + 1) % TownCount);
    }
    window.cmdFinish_Click();
    EXPECT_EQ(messages.shown.back().text,
              InEnglish(GameOverMessage(static_cast<std::int32_t>(fortunes.back()), ",")));

    // After the game every figure is still there, in the tables and in the charts.
    for (int item = 1; item <= ItemCount; ++item) {
        ledger->lstItem->setCurrentRow(item - 1);
        std::vector<QList<QPointF>> lines(TownCount);
        for (int day = 0; day <= LastDay; ++day) {
            const QString seen = grids[day][item - 1];
            lines[towns[day]].append(QPointF(day, Number(seen)));
            for (int t = 0; t < TownCount; ++t)
                EXPECT_EQ(Cell(ledger->grdPrices, day, t + 1), t == towns[day] ? seen : "");
        }
        for (int t = 0; t < TownCount; ++t)
            EXPECT_EQ(ledger->Prices()->Lines()[t]->points(), lines[t]) << "item " << item;
    }
    ledger->tabLedger->setCurrentIndex(frmLedger::FortuneTab);
    const QList<QPointF> line = ledger->Fortune()->Lines()[0]->points();
    for (int day = 0; day <= LastDay; ++day)
        EXPECT_EQ(line.value(day), QPointF(day, fortunes[day]));
    // The burial just above the best fortune is named on the chart.
    const double best = *std::max_element(fortunes.begin(), fortunes.end());
    const int next = std::max(0, BurialRank(static_cast<std::int32_t>(best)) - 1);
    EXPECT_TRUE(ledger->Fortune()->RankLabelsShown().contains(
        QString::fromStdString(InEnglish(BurialShortCaption(next)))));
}

TEST_F(LedgerTest, OneWindowFollowsTheGameUntilANewGameClearsIt) {
    window.lblTown_Click(1);
    window.mnuLedger->trigger();
    EXPECT_EQ(window.LedgerWindow(), ledger);

    PriceChart* chart = ledger->Prices();
    const QPointF point = chart->Lines()[1]->points().at(0);
    const QPoint at = chart->mapFromScene(chart->chart()->mapToPosition(point, chart->Lines()[1]));
    EXPECT_EQ(chart->PointTextAt(at), "Wailey, day 1: " + window.Grid1->TextMatrix(1, 1));
    EXPECT_EQ(chart->PointTextAt(QPoint(0, 0)), "");

    ledger->chkTable->setChecked(true);
    EXPECT_EQ(ledger->stkPrices->currentWidget(), ledger->grdPrices);
    EXPECT_EQ(ledger->grdPrices->accessibleName(), "Prices of Gold day by day");
    messages.answers.push_back(MsgResult::Yes);
    window.mnuNewGame_Click();
    EXPECT_EQ(ledger->grdFortune->rowCount(), 1);
    EXPECT_EQ(Cell(ledger->grdFortune, 0, 1), "-3,000");
}

} // namespace
} // namespace dunemark
