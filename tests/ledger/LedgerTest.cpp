// The ledger through a whole game: every price seen, the last one of each town, and every day's
// money and worth, as the main window showed them.
#include "Doubles.h"
#include "core/GameOver.h"
#include "ledger/FortuneChart.h"
#include "ledger/LastSeenTable.h"
#include "ledger/PriceChart.h"
#include "ledger/frmLedger.h"
#include "platform/ClockSeededRandom.h"
#include "platform/qt/CentreOver.h"

#include <QCheckBox>
#include <QLineSeries>
#include <QListWidget>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolTip>

using namespace dunemark;

// A game played through the real windows with the ledger open, on a fixed stream of draws.
struct LedgerTest : ::testing::Test, PlatformDoubles {
    LedgerTest() {
        modal.fallback = [](QDialog& dialog) {
            if (auto* quantity = qobject_cast<QuantityDialog*>(&dialog))
                quantity->cmdOK->click(); // as many as proposed
        };
        window.SetLedgerModule(QStringLiteral(DUNEMARK_LEDGER_MODULE));
        window.mnuLedger->trigger();
        ledger = qobject_cast<frmLedger*>(window.LedgerWindow());
    }

    ClockSeededRandom chance{20261206};
    Platform seeded{messages, input, settings, clock, chance, links, modal, clipboard};
    DeclareVars vars;
    frmMain window{vars, seeded};
    frmLedger* ledger = nullptr;

    static double Number(const QString& money) { return ReadMoney(money.toStdString(), ","); }
    static QString Cell(const QTableWidget* table, int row, int column) {
        return table->item(row, column) ? table->item(row, column)->text() : "(none)";
    }

    // Cash + bank - debt as the labels show them, and the goods carried at the market's prices.
    double Money() const {
        return Number(window.lblCash->text()) + Number(window.lblBank->text()) -
               Number(window.lblDebt->text());
    }
    double Goods() const {
        double goods = 0;
        for (int r = 1; r <= ItemCount; ++r)
            goods +=
                Number(window.Grid2->TextMatrix(r, 2)) * Number(window.Grid1->TextMatrix(r, 1));
        return goods;
    }
    double Worth(int day) const { return Number(Cell(ledger->grdFortune, day, 2)); }
};

// One window follows the whole game, and a new game clears it.
TEST_F(LedgerTest, AWholeGameShowsEveryPriceSeenTheLastOfEachTownAndEachDaysMoneyAndWorth) {
    std::vector<int> towns;
    std::vector<QStringList> grids; // the market grid's prices, day by day
    QList<QPointF> money, worth;    // cash + bank - debt, and with the goods, day by day
    double best = 0;                // the highest of them
    int purchases = 0;
    for (int day = 0; day <= GameDays; ++day) {
        window.Grid2->SetRow(1 + day % ItemCount); // yesterday's purchase
        window.cmdSell->click();
        const double before = Worth(day);
        const int carried = vars.ItemsCarried;
        window.Grid1->SetRow(1 + (day + 1) % ItemCount);
        window.cmdBuy->click();
        purchases += vars.ItemsCarried > carried;
        ASSERT_EQ(Worth(day), before) << "a purchase on day " << day;
        if (day == 3) // a bank, as the special products window leaves it, with money in it
            vars.HasPyramidBank = VbTrue, vars.BankBalance = 5000, window.ShowStatus();
        towns.push_back(vars.CurrentTown);
        EXPECT_EQ(ledger->lblEmpty->isVisibleTo(ledger), day == 0) << "until the first journey";
        grids.push_back({});
        for (int r = 1; r <= ItemCount; ++r)
            grids.back() << window.Grid1->TextMatrix(r, 1);
        money << QPointF(day, Money());
        worth << QPointF(day, Money() + Goods());
        best = std::max({best, money.back().y(), worth.back().y()});
        ASSERT_EQ(Number(Cell(ledger->grdFortune, day, 1)), money.back().y()) << "day " << day;
        ASSERT_EQ(Worth(day), worth.back().y()) << "day " << day;
        if (day < GameDays)
            window.lblTown_Click((vars.CurrentTown + 1) % TownCount);
    }
    EXPECT_GT(purchases, 5);
    EXPECT_NE(money, worth);
    window.mnuLedger->trigger();
    EXPECT_EQ(window.LedgerWindow(), ledger) << "one window follows the game";
    window.cmdFinish_Click();
    EXPECT_EQ(messages.shown.back().text,
              InEnglish(GameOverMessage(static_cast<std::int32_t>(money.back().y()), ",")));

    // After the game every figure is still there, in the tables and in the charts.
    ledger->tabLedger->setCurrentIndex(frmLedger::PricesTab);
    for (int item = 1; item <= ItemCount; ++item) {
        ledger->lstItem->setCurrentRow(item - 1);
        std::vector<QList<QPointF>> lines(TownCount);
        for (int day = 0; day <= GameDays; ++day) {
            const QString seen = grids[day][item - 1];
            lines[towns[day]].append(QPointF(day, Number(seen)));
            for (int t = 0; t < TownCount; ++t)
                EXPECT_EQ(Cell(ledger->grdPrices, day, t + 1), t == towns[day] ? seen : "");
        }
        for (int t = 0; t < TownCount; ++t)
            EXPECT_EQ(ledger->Prices()->Lines()[t]->points(), lines[t]) << "item " << item;

        // The last price of each town, the row's lowest and highest marked.
        const auto [low, high] =
            std::minmax({lines[0].back().y(), lines[1].back().y(), lines[2].back().y()});
        for (int t = 0; t < TownCount; ++t) {
            const QPointF last = lines[t].back();
            const QString text =
                grids[int(last.x())][item - 1] + " (day " + QString::number(last.x()) + ")";
            const QTableWidgetItem* cell = ledger->grdLastSeen->item(item - 1, t + 1);
            const int mark = last.y() == low ? 1 : last.y() == high ? 2 : 0;
            const QString marks[] = {"", LastSeenTable::LowMark() + " ",
                                     LastSeenTable::HighMark() + " "};
            const char* said[] = {"", ", the lowest", ", the highest"};
            EXPECT_EQ(cell->text(), marks[mark] + text) << "item " << item << ", town " << t;
            EXPECT_EQ(cell->data(Qt::AccessibleTextRole).toString(), text + said[mark]);
        }
    }
    // A point of the chart tells its town, day and price in a tool tip where the mouse rests.
    ledger->lstItem->setCurrentRow(0);
    PriceChart* chart = ledger->Prices();
    const QPointF point = chart->Lines()[1]->points().at(0);
    const QPoint at = chart->mapFromScene(chart->chart()->mapToPosition(point, chart->Lines()[1]));
    QHelpEvent rest(QEvent::ToolTip, at, chart->viewport()->mapToGlobal(at));
    QApplication::sendEvent(chart->viewport(), &rest);
    EXPECT_EQ(QToolTip::text(), "Wailey, day 1: " + grids[1][0]);
    EXPECT_EQ(chart->PointTextAt(QPoint(0, 0)), "");
    ledger->tabLedger->setCurrentIndex(frmLedger::FortuneTab);
    EXPECT_EQ(ledger->Fortune()->Lines()[0]->points(), money);
    EXPECT_EQ(ledger->Fortune()->Lines()[1]->points(), worth);
    // The burial just above the best figure is named on the chart, and not the one beyond it.
    const int next = std::max(0, BurialRank(static_cast<std::int32_t>(best)) - 1);
    const auto named = [this](int rank) {
        return ledger->Fortune()->RankLabelsShown().contains(
            QString::fromStdString(InEnglish(BurialShortCaption(rank))));
    };
    EXPECT_TRUE(named(next));
    EXPECT_FALSE(next > 0 && named(next - 1));
    // A screen reader hears each figure of the tables with its day and its town or series,
    // whichever cells of the row are empty, and the words of the burials as they are.
    const auto heard = [](QTableWidget* table, int row) {
        QAccessibleTableInterface* cells =
            QAccessible::queryAccessibleInterface(table)->tableInterface();
        QStringList names;
        for (int column = 0; column < cells->columnCount(); ++column)
            names << cells->cellAt(row, column)->text(QAccessible::Name);
        return names.join('|');
    };
    EXPECT_EQ(heard(ledger->grdPrices, 1), "Day: 1||Wailey: " + grids[1][0] + '|');
    EXPECT_EQ(heard(ledger->grdFortune, 1), "Day: 1|Money: " + Cell(ledger->grdFortune, 1, 1) +
                                                "|Worth: " + Cell(ledger->grdFortune, 1, 2) + '|' +
                                                Cell(ledger->grdFortune, 1, 3));
    // The table in the chart's place is named for the good; a new game clears the ledger.
    ledger->chkTable->setChecked(true);
    EXPECT_EQ(ledger->stkPrices->currentWidget(), ledger->grdPrices);
    EXPECT_EQ(ledger->grdPrices->accessibleName(), "Prices of Gold day by day");
    messages.answers.push_back(MsgResult::Yes);
    window.mnuNewGame_Click();
    EXPECT_EQ(ledger->grdFortune->rowCount(), 1);
    EXPECT_EQ(Cell(ledger->grdFortune, 0, 1), "-3,000");
    EXPECT_EQ(ledger->grdLastSeen->item(0, 2)->text(), "");
}

TEST(LedgerPlace, BesideTheGameWhereTheScreenHasRoomAndAlwaysWhollyOnIt) {
    const QRect screen(0, 0, 1000, 700);
    const std::pair<QRect, QPoint> cases[] = {
        // the game's place, the ledger's
        {{100, 50, 300, 400}, {408, 50}},   // to the right
        {{600, 50, 300, 400}, {92, 50}},    // to the left
        {{496, 400, 300, 400}, {500, 200}}, // neither, by a few pixels: as far as it can
    };
    for (const auto& [game, ledger] : cases)
        EXPECT_EQ(Beside(game, QSize(500, 500), screen), ledger) << game.x();
}

// A module that is missing, not a plugin at all, or the ledger of another version: each time the
// player asks for the ledger he is told why it cannot open, and the game goes on without it.
TEST(LedgerModuleTest, ALedgerThatCannotBeLoadedIsAMessageAndTheGameGoesOn) {
    const std::pair<QString, std::string> cases[] = {
        {QStringLiteral("/gone/ledger.so"), "the file that holds it is missing"},
        // A file that is not a library at all.
        {QStringLiteral(DUNEMARK_TRANSLATIONS "/dunemark_de.ts"), "could not be loaded"},
        {QStringLiteral(DUNEMARK_OTHER_LEDGER), "belongs to another version of the game"},
        {DUNEMARK_OTHER_BUILD_LEDGER, "belongs to another version of the game"}};
    for (const auto& [file, why] : cases) {
        SCOPED_TRACE(file.toStdString());
        MainWindow game;
        game.window->SetLedgerModule(file);
        game.window->mnuLedger->trigger();
        game.window->mnuLedger->trigger();
        ASSERT_EQ(game.messages.shown.size(), 2u);
        const ShownMessage& shown = game.messages.shown.back();
        EXPECT_EQ(shown.text.rfind("The ledger could not be opened: ", 0), 0u) << shown.text;
        EXPECT_NE(shown.text.find(why), std::string::npos) << shown.text;
        EXPECT_NE(shown.text.find(file.toStdString()), std::string::npos) << shown.text;
        EXPECT_EQ(std::tie(shown.title, shown.icon), std::tuple("Dunemark", MsgIcon::Exclamation));
        EXPECT_EQ(game.window->LedgerWindow(), nullptr);
        game.window->lblTown_Click(1);
        EXPECT_EQ(game.vars.CurrentTown, 1);
    }
}
