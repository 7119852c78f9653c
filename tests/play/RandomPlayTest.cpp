// A careless player on a real main window: travels, trades, pays and withdraws, buys special
// products, starts new games and opens the menus, types and pastes anything into the dialogs,
// presses their buttons at random and answers every message box at random. After every action
// the state, the labels and the controls must still agree. Every chance, the game's own draws
// included, comes from one generator, so a failing game can be replayed from the seed it names.
#include "Doubles.h"

#include <QFontMetricsF>
#include <random>

using namespace dunemark;

struct RandomPlayer : MainWindow {
    explicit RandomPlayer(std::uint32_t seed)
        : chance_(seed) {
        modal.fallback = [this](QDialog& dialog) { PlayDialog(dialog); };
        messages.onShow = [this](const ShownMessage& message) {
            over = over || message.title == "Game Over";
            endedByFinish_ = endedByFinish_ || (message.title == "Game Over" && finishing_);
            newGame_ = message.buttons == MsgButtons::YesNo && OneIn(5);
            messages.answers.push_front(newGame_ ? MsgResult::Yes : MsgResult::No);
        };
        StartAtTheLimits();
    }

    // Does one thing a player can do now.
    void Act() {
        random.script.clear(); // the game's draws for the action: a market takes 150
        for (int n = 0; n < 200; ++n)
            random.script.push_back(static_cast<float>(chance_() >> 8) * 0x1p-24f);
        input.answers = {AnyText()};
        finishing_ = newGame_ = false;
        const std::int64_t worth = std::int64_t{vars.Cash} + vars.BankBalance - vars.Debt;
        const int action = Pick(0, 19);
        if (action < 7) { // the mouse lands on whatever covers a town's name
            const TownLabel* town = window->lblTown[static_cast<std::size_t>(action % 3)];
            const QPoint at = town->mapTo(window.get(), town->rect().center());
            QWidget* target = window->childAt(at);
            finishing_ = target == window->cmdFinish;
            QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(window.get(), at));
        } else if (action < 14) { // a row picked, then Buy or Sell
            Grid* grid = action < 11 ? window->Grid1 : window->Grid2;
            const QModelIndex cell =
                grid->model()->index(Pick(0, Grid::DataRows - 1), Pick(0, grid->columnCount() - 1));
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                              grid->visualRect(cell).center());
            if (grid == window->Grid2 && !over)
                sellEnabled_ = !grid->TextMatrix(grid->Row(), 0).isEmpty();
            Press(grid == window->Grid1 ? window->cmdBuy : window->cmdSell);
        } else if (action < 19) {
            finishing_ = action == 18;
            QAbstractButton* buttons[] = {window->cmdFinances, window->cmdSpecial,
                                          window->cmdFinish};
            Press(buttons[(action - 14) / 2]); // Finances and Special twice as often
            if (std::int64_t{vars.Cash} + vars.BankBalance - vars.Debt != worth && action < 16)
                fault_ = "the finances window changed cash + bank - debt\n";
        } else {
            QAction* menus[] = {window->mnuHighS,       window->mnuAbout,
                                window->mnuStory,       window->mnuNewGame,
                                window->mnuMarketOfDay, window->mnuMarketNumber};
            menus[Pick(0, 5)]->trigger();
            if (window->Story() && OneIn(2))
                window->Story()->close();
        }
        if (newGame_) {
            over = endedByFinish_ = false, sellEnabled_ = true;
            StartAtTheLimits();
        }
    }

    // Every rule that the window and the state break, in words.
    std::string Broken() const {
        std::string broken = fault_;
        const auto check = [&broken](const char* rule, bool held) { broken += held ? "" : rule; };
        const MainTables& tables = window->Tables();
        double held = 0;
        for (int r = 1; r <= ItemCount; ++r) {
            held += CellNumber(vars.Holdings[r][QuantityField]);
            check("the market grid shows the town's prices\n",
                  window->Grid1->TextMatrix(r, 1) ==
                      Money(CellNumber(vars.MarketItems[r][PriceField][vars.CurrentTown])));
            for (const int field : {NameField, PriceField, QuantityField}) // the grid's columns
                check("the holdings grid shows the holdings\n",
                      window->Grid2->TextMatrix(r, field).toStdString() ==
                          CellText(vars.Holdings[r][field]));
        }
        check("ItemsCarried is what the holdings add up to, within the slaves\n",
              vars.ItemsCarried == held && held <= vars.SlaveCount);
        check("no money or favour below 0, and a bank balance only with a bank\n",
              vars.Cash >= 0 && vars.BankBalance >= 0 && vars.Debt >= 0 && vars.Favour >= 0 &&
                  (vars.HasPyramidBank || !vars.BankBalance));
        // Each label shows what it stands for, a figure whole however long it has grown.
        const QString day = QStringLiteral(" - Day %1").arg(tables.CurrentDay);
        const QString market =
            tables.MarketNumber ? QStringLiteral(" - Market %1").arg(*tables.MarketNumber) : "";
        const std::pair<const QWidget*, QString> labels[] = {
            {window->lblCash, Money(vars.Cash)},
            {window->lblBank, Money(vars.BankBalance)},
            {window->lblDebt, Money(vars.Debt)},
            {window->lblFavour, QStringLiteral("Favour = %1%").arg(vars.Favour)},
            {window->lblJacketSpace, QStringLiteral("Slaves: %1/%2")
                                         .arg(vars.SlaveCount - vars.ItemsCarried)
                                         .arg(vars.SlaveCount)},
            {window.get(), "Dunemark" + (tables.CurrentDay ? day : QString()) + market}};
        for (const auto& [widget, wanted] : labels) {
            const auto* label = qobject_cast<const QLabel*>(widget);
            const auto* fit = qobject_cast<const FitLabel*>(widget);
            const QString shown = label ? label->text() : widget->windowTitle();
            broken +=
                shown == wanted ? "" : ("shows " + shown + " for " + wanted + '\n').toStdString();
            check("a figure shows whole\n",
                  !fit || QFontMetricsF(fit->FittedFont()).horizontalAdvance(shown) <=
                              fit->contentsRect().width());
        }
        // Trading while the game runs, no buying on the last day, only the menus once it is over.
        const bool running = !over, lastDay = tables.CurrentDay >= tables.LastDay;
        check("over at the end\n", over == (tables.CurrentDay > tables.LastDay || endedByFinish_) &&
                                       tables.CurrentDay <= tables.LastDay + 1);
        for (const QWidget* control : std::initializer_list<const QWidget*>{
                 window->lblTown[0], window->lblTown[1], window->lblTown[2], window->cmdFinances,
                 window->cmdSpecial})
            check("towns, Finances and Special enabled while the game runs\n",
                  control->isEnabled() == running);
        check("Buy enabled\n", window->cmdBuy->isEnabled() == (running && !lastDay));
        check("Sell enabled\n", window->cmdSell->isEnabled() == (running && sellEnabled_));
        check("Finish shown\n", window->cmdFinish->isHidden() != lastDay);
        check("Finish enabled\n", window->cmdFinish->isEnabled() == !endedByFinish_);
        return broken;
    }

    bool over = false; // a "Game Over" box since the last new game

    // Now and then the player starts at the limits of the numbers, as a run of luck might leave
    // him: nothing may wrap round, and every figure must still show whole.
    void StartAtTheLimits() {
        if (OneIn(4))
            vars.Cash = OneIn(3) ? Pick(2'000'000'000, 2'147'483'647) : Pick(100'000, 20'000'000);
        if (OneIn(8)) {
            vars.HasPyramidBank = VbTrue;
            vars.BankBalance = Pick(2'000'000'000, 2'147'483'647);
            vars.Debt = Pick(2'000'000'000, 2'147'483'647);
            vars.Favour = static_cast<std::int16_t>(Pick(32'000, 32'767));
            vars.SlaveCount = 1000;
        }
        window->ShowStatus();
    }

    // Types or pastes anything into the boxes, or takes what they propose, presses the buttons
    // at random and leaves by Enter, Escape, or the close box, which the shower uses on a dialog
    // left open.
    void PlayDialog(QDialog& dialog) {
        for (QLineEdit* box : dialog.findChildren<QLineEdit*>()) {
            if (OneIn(2))
                box->selectAll();
            if (OneIn(2)) {
                for (const char c : AnyText()) // what a keyboard can type of it
                    QTest::keyClick(box, c >= ' ' && c <= '~' ? c : 'x');
            } else if (OneIn(2)) {
                QGuiApplication::clipboard()->setText(QString::fromStdString(AnyText()));
                QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            }
        }
        const QList<QAbstractButton*> buttons = dialog.findChildren<QAbstractButton*>();
        for (int n = Pick(0, 6); n > 0 && !buttons.isEmpty(); --n)
            Press(buttons[Pick(0, static_cast<int>(buttons.size()) - 1)]);
        QWidget* focus = dialog.focusWidget() ? dialog.focusWidget() : &dialog;
        if (dialog.isVisible() && OneIn(2))
            QTest::keyClick(focus, OneIn(2) ? Qt::Key_Return : Qt::Key_Escape);
    }

    // A player can press only what he sees and what is enabled.
    static void Press(QAbstractButton* button) {
        if (button->isVisible() && button->isEnabled())
            button->click();
    }

    // A text a player might type or paste into a box, or one no player would.
    std::string AnyText() {
        static const QStringList Odd =
            QStringLiteral("| |-5|.5|2.5|0.125|1e3|2E-1|1e400|.|e5|0x1F|"
                           "½|١٢٣|1,000|12 34|\t8\n|nan|1e20|  12abc|--3")
                .split('|');
        return OneIn(2) ? Odd[Pick(0, static_cast<int>(Odd.size()) - 1)].toStdString()
                        : std::to_string(Pick(0, 2'147'483'647)) + (OneIn(2) ? ".5" : "");
    }

    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(chance_); }
    bool OneIn(int n) { return Pick(1, n) == 1; }

    std::mt19937 chance_;
    bool finishing_ = false, newGame_ = false, endedByFinish_ = false, sellEnabled_ = true;
    std::string fault_;
};

// A few hundred games from a fixed seed, so that a run gives the same answer every time;
// DUNEMARK_SOAK_GAMES asks for more (or fewer), DUNEMARK_SEED plays the games that begin at
// another seed (DUNEMARK_SEED=$RANDOM for new ones).
TEST(RandomPlayTest, GamesPlayedAtRandomKeepEveryRule) {
    const QByteArray soak = qgetenv("DUNEMARK_SOAK_GAMES"), from = qgetenv("DUNEMARK_SEED");
    const std::uint32_t games = soak.isEmpty() ? 300 : soak.toUInt(),
                        first = from.isEmpty() ? 20261207 : from.toUInt();
    std::printf("Random play: %u games from seed %u\n", games, first);
    for (std::uint32_t seed = first; seed != first + games; ++seed) {
        RandomPlayer player(seed);
        // A game that goes on this long has lost its way; a few actions follow its end.
        for (int n = 0, afterTheEnd = 0; afterTheEnd < 5; ++n) {
            ASSERT_LT(n, 5000) << "the game never ended";
            player.Act();
            ASSERT_EQ(player.Broken(), "")
                << "after action " << n << "; replay with DUNEMARK_SEED=" << seed
                << " DUNEMARK_SOAK_GAMES=1";
            afterTheEnd = player.over ? afterTheEnd + 1 : 0;
        }
    }
}
