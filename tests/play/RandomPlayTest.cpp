// A careless player on a real main window: travels, trades, pays and withdraws, buys special
// products, starts new games and opens the menus, types and pastes anything into the dialogs,
// leaves them by any way out and answers every message box at random. After every action the
// state, the labels and the controls must still agree. Every chance, the game's own draws
// included, comes from one generator, so a failing game can be replayed from the seed it names.
#include "Doubles.h"

#include <QFontMetricsF>
#include <random>
#include <sstream>

namespace dunemark {
namespace {

class RandomPlayer : PlatformDoubles {
public:
    explicit RandomPlayer(std::uint32_t seed)
        : chance_(seed) {
        modal.fallback = [this](QDialog& dialog) { PlayDialog(dialog); };
        messages.onShow = [this](const ShownMessage& message) {
            over = over || message.title == "Game Over";
            endedByFinish_ = endedByFinish_ || (message.title == "Game Over" && finishing_);
            newGame_ = message.buttons == MsgButtons::YesNo && OneIn(5);
            if (message.buttons == MsgButtons::YesNo)
                messages.answers.push_front(newGame_ ? MsgResult::Yes : MsgResult::No);
        };
        FreshDraws();
        window->show();
        StartAtTheLimits();
    }

    // Does one thing a player can do now and names it.
    std::string Act() {
        FreshDraws();
        input.answers = {AnyText()};
        finishing_ = false;
        const std::int64_t worth = std::int64_t{vars.Cash} + vars.BankBalance - vars.Debt;
        TownLabel* town = window->lblTown[static_cast<std::size_t>(Pick(0, TownCount - 1))];
        switch (Pick(0, 9)) {
        case 0:
        case 1: { // the mouse lands on whatever covers the town's name
            const QPoint at = town->mapTo(window.get(), town->rect().center());
            QWidget* target = window->childAt(at);
            finishing_ = target == window->cmdFinish;
            QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(window.get(), at));
            return "travel by mouse";
        }
        case 2: // the keyboard reaches a town even behind the Finish button
            town->setFocus();
            QTest::keyClick(town, OneIn(2) ? Qt::Key_Space : Qt::Key_Return);
            return "travel by keyboard";
        case 3:
        case 4:
            PickRow(*window->Grid1);
            return Press(window->cmdBuy), "buy";
        case 5:
            PickRow(*window->Grid2);
            return Press(window->cmdSell), "sell";
        case 6:
            Press(window->cmdFinances);
            if (std::int64_t{vars.Cash} + vars.BankBalance - vars.Debt != worth)
                faults_.push_back("the finances window changed cash + bank - debt");
            return "finances";
        case 7:
            return Press(window->cmdSpecial), "special";
        case 8:
            finishing_ = true;
            return Press(window->cmdFinish), "finish";
        }
        QAction* menus[] = {window->mnuHighS, window->mnuAbout, window->mnuStory,
                            window->mnuNewGame};
        QAction* menu = menus[Pick(0, 3)];
        newGame_ = false;
        menu->trigger();
        if (menu == window->mnuStory && OneIn(2))
            window->Story()->close();
        if (newGame_) {
            over = endedByFinish_ = false;
            sellEnabled_ = true;
            StartAtTheLimits();
        }
        return menu->text().toStdString();
    }

    // Every rule that the window and the state break, in words.
    std::string Broken() const {
        std::ostringstream broken;
        for (const std::string& fault : faults_)
            broken << fault << '\n';
        const auto check = [&broken](const char* rule, bool held) { broken << (held ? "" : rule); };
        const MainTables& tables = window->Tables();
        double held = 0;
        for (int r = 1; r <= ItemCount; ++r) {
            held += CellNumber(vars.Holdings[r][QuantityField]);
            const Cell& price = vars.MarketItems[r][PriceField][vars.CurrentTown];
            check("the market grid shows the town's prices\n",
                  window->Grid1->TextMatrix(r, 1) == Money(CellNumber(price)));
            for (int c = 0; c < 3; ++c)
                check("the holdings grid shows the holdings\n",
                      window->Grid2->TextMatrix(r, c).toStdString() ==
                          CellText(vars.Holdings[r][c]));
        }
        check("ItemsCarried is what the holdings add up to, within the slaves\n",
              vars.ItemsCarried == held && held <= vars.SlaveCount);
        check("no money or favour below 0\n",
              vars.Cash >= 0 && vars.BankBalance >= 0 && vars.Debt >= 0 && vars.Favour >= 0);
        check("a bank balance only with a bank\n", vars.HasPyramidBank || !vars.BankBalance);
        const QString day = QStringLiteral(" - Day %1").arg(tables.CurrentDay);
        const QString status[][2] = {
            {window->lblCash->text(), Money(vars.Cash)},
            {window->lblBank->text(), Money(vars.BankBalance)},
            {window->lblDebt->text(), Money(vars.Debt)},
            {window->lblFavour->text(), QStringLiteral("Favour = %1%").arg(vars.Favour)},
            {window->lblJacketSpace->text(), QStringLiteral("Slaves: %1/%2")
                                                 .arg(vars.SlaveCount - vars.ItemsCarried)
                                                 .arg(vars.SlaveCount)},
            {window->windowTitle(), "Dunemark" + (tables.CurrentDay ? day : QString())}};
        for (const auto& [shown, wanted] : status)
            broken << (shown == wanted ? "" : qPrintable("\"" + shown + "\" for " + wanted + '\n'));
        for (const QLabel* label : {window->lblCash, window->lblBank, window->lblDebt}) {
            const auto* fit = qobject_cast<const FitLabel*>(label);
            check("a figure shows whole\n",
                  QFontMetricsF(fit->FittedFont()).horizontalAdvance(fit->text()) <=
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
        return broken.str();
    }

    bool over = false; // a "Game Over" box since the last new game

private:
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

    // Fills the boxes, presses the buttons at random, and leaves by Enter, Escape, or the close
    // box, which the shower uses on a dialog left open.
    void PlayDialog(QDialog& dialog) {
        for (QLineEdit* box : dialog.findChildren<QLineEdit*>()) {
            if (OneIn(3))
                continue; // takes what is proposed
            if (OneIn(2))
                box->selectAll();
            if (OneIn(2)) {
                for (const char c : AnyText()) // what the keyboard can type of it
                    if (c >= ' ' && c <= '~')
                        QTest::keyClick(box, c);
            } else if (OneIn(2)) {
                QGuiApplication::clipboard()->setText(QString::fromStdString(AnyText()));
                QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            } else {
                for (int n = Pick(1, 5); n > 0; --n)
                    QTest::keyClick(box, Qt::Key_Backspace);
            }
        }
        const QList<QAbstractButton*> buttons = dialog.findChildren<QAbstractButton*>();
        for (int n = Pick(0, 6); n > 0 && !buttons.isEmpty(); --n)
            Press(buttons[Pick(0, buttons.size() - 1)]);
        QWidget* focus = dialog.focusWidget() ? dialog.focusWidget() : &dialog;
        if (dialog.isVisible() && OneIn(2))
            QTest::keyClick(focus, OneIn(2) ? Qt::Key_Return : Qt::Key_Escape);
    }

    // A click on any row, which picks it even when it is picked already, or a step by keyboard.
    // Picking a holdings row switches Sell by whether the row holds anything.
    void PickRow(Grid& grid) {
        const int before = grid.Row();
        const bool click = !OneIn(3);
        if (click) {
            const QModelIndex cell =
                grid.model()->index(Pick(0, Grid::DataRows - 1), Pick(0, grid.columnCount() - 1));
            QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(cell).center());
        } else {
            QTest::keyClick(&grid, OneIn(2) ? Qt::Key_Up : Qt::Key_Down);
        }
        if (&grid == window->Grid2 && (click || grid.Row() != before) && !over)
            sellEnabled_ = !grid.TextMatrix(grid.Row(), 0).isEmpty();
    }

    // A player can press only what he sees and what is enabled.
    static void Press(QAbstractButton* button) {
        if (button && button->isVisible() && button->isEnabled())
            button->click();
    }

    // A text a player might type or paste into a number box, or one no player would.
    std::string AnyText() {
        static const QStringList Odd =
            QStringLiteral(
                "| |-5|.5|2.5|0.125|1e3|2E-1|1e400|.|e5|0x1F|½|١٢٣|1,000|12 34|\t8\n|nan|"
                "99999999999999999999|  12abc|--3")
                .split('|');
        std::string text = std::to_string(Pick(0, 2'147'483'647)) + (OneIn(2) ? ".5" : "");
        for (int n = OneIn(3) ? Pick(0, 12) : 0; n > 0; --n)
            text[static_cast<std::size_t>(n) % text.size()] = static_cast<char>(Pick(32, 126));
        return OneIn(2) ? Odd[Pick(0, Odd.size() - 1)].toStdString() : text;
    }

    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(chance_); }
    int Pick(int low, qsizetype high) { return Pick(low, static_cast<int>(high)); }
    bool OneIn(int n) { return Pick(1, n) == 1; }
    // The game's draws for the next action (a market takes 150), uniform in [0, 1).
    void FreshDraws() {
        random.script.clear();
        for (int n = 0; n < 200; ++n)
            random.script.push_back(static_cast<float>(chance_() >> 8) * 0x1p-24f);
    }

    std::mt19937 chance_;
    DeclareVars vars;
    std::unique_ptr<frmMain> window = std::make_unique<frmMain>(vars, platform);
    bool finishing_ = false;
    bool newGame_ = false;
    bool endedByFinish_ = false;
    bool sellEnabled_ = true;
    std::vector<std::string> faults_;
};

unsigned long FromEnvironment(const char* name, unsigned long otherwise) {
    const QByteArray text = qgetenv(name);
    return text.isEmpty() ? otherwise : text.toULong();
}

// A few hundred games by default; DUNEMARK_SOAK_GAMES asks for more (or fewer), DUNEMARK_SEED
// plays the games that begin at that seed again.
TEST(RandomPlayTest, GamesPlayedAtRandomKeepEveryRule) {
    const unsigned long games = FromEnvironment("DUNEMARK_SOAK_GAMES", 300);
    const auto firstSeed =
        static_cast<std::uint32_t>(FromEnvironment("DUNEMARK_SEED", std::random_device()()));
    std::printf("Random play: %lu games from seed %u\n", games, firstSeed);
    for (std::uint32_t seed = firstSeed; seed != firstSeed + games; ++seed) {
        SCOPED_TRACE("replay with DUNEMARK_SEED=" + std::to_string(seed) +
                     " DUNEMARK_SOAK_GAMES=1");
        RandomPlayer player(seed);
        std::string last;
        // A game that goes on this long has lost its way; a few actions follow its end.
        for (int n = 0, afterTheEnd = 0; afterTheEnd < 5; ++n) {
            ASSERT_LT(n, 5000) << "the game never ended";
            last = last.substr(last.size() > 200 ? last.size() - 200 : 0) + player.Act() + ", ";
            const std::string broken = player.Broken();
            ASSERT_EQ(broken, "") << "after " << n << " actions, the last: " << last;
            afterTheEnd = player.over ? afterTheEnd + 1 : 0;
        }
    }
}

} // namespace
} // namespace dunemark
