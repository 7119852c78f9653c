// A whole game played through the real windows, the start of the program, playing without the
// mouse and what a screen reader finds. The sums are the rules' business: here, what the windows
// add to them.
#include "Doubles.h"

namespace dunemark {
namespace {

TEST_F(MainWindowTest, AScriptedGameFromTheFirstMarketToTheHighScores) {
    // The finances window only shows its figures. (The trades and the payments through their
    // windows: ScreenReaderTest.)
    Next<frmFinances>([](frmFinances& finances) {
        QTest::keyClicks(finances.txtCash, "9");
        EXPECT_EQ(finances.txtCash->text(), "2000");
    });
    window->cmdFinances->click();

    // The last day: the warning comes with buying already off, and Finish covers the map.
    bool buyOff = false;
    messages.onShow = [&](const ShownMessage&) { buyOff = !window->cmdBuy->isEnabled(); };
    TravelUntilDay(45);
    EXPECT_TRUE(buyOff);
    const QPoint mapMiddle = window->Picture1->geometry().center() + window->centralWidget()->pos();
    EXPECT_EQ(window->childAt(mapMiddle), window->cmdFinish);

    // Finish: the total, the burial, then the name for the table.
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
}

// A key with the text the window system sends with it, to whatever has the focus.
void Key(Qt::Key key, const char* text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString::fromLatin1(text));
    QApplication::sendEvent(QApplication::focusWidget(), &press);
}

// The story is the first and only window, its text what a screen reader finds. A click or a key
// that types a character opens the game; the close box ends the program, other keys do nothing.
// From the menu, the story stands beside the game.
TEST(StartUpTest, TheStoryComesFirstAndLeadsToTheGame) {
    using Act = std::function<void(frmStory&)>;
    const std::pair<Act, bool> cases[] = {
        {[](frmStory& s) { QTest::mouseClick(s.lblStory, Qt::LeftButton); }, true},
        {[](frmStory& s) { QTest::mouseClick(s.Image2, Qt::LeftButton); }, true},
        {[](frmStory&) { Key(Qt::Key_Comma, ","); }, true},
        {[](frmStory&) { Key(Qt::Key_Backspace, "\b"); }, true},
        {[](frmStory&) { Key(Qt::Key_Tab, "\t"), Key(Qt::Key_Delete, "\x7f"); }, false},
        {[](frmStory&) { Key(Qt::Key_Left, ""), Key(Qt::Key_F5, ""); }, false},
        {[](frmStory& s) { s.close(); }, false},
    };
    for (const auto& [act, opensGame] : cases) {
        PlatformDoubles doubles;
        StartUp startUp(doubles.platform);
        startUp.Begin();
        ASSERT_TRUE(Activate(startUp.Story()));
        EXPECT_EQ(NameOf(QApplication::focusWidget()),
                  startUp.Story()->lblStory->text().toStdString());
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

// The game's longest message stands on one line, in a box centred over the window that asked:
// the main window, even with the story active beside it, or the dialog open over it.
TEST_F(MainWindowTest, MessageBoxesOpenWholeOverTheWindowThatAsked) {
    window->setGeometry(216, 47, 368, 406);
    frmStory story([] {});
    ASSERT_TRUE(Activate(&story));
    QDialog dialog(window.get());
    dialog.setGeometry(158, 208, 484, 284);
    dialog.setModal(true);
    for (const QWidget* asking : std::initializer_list<QWidget*>{window.get(), &dialog}) {
        dialog.setVisible(asking == &dialog);
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            EXPECT_EQ(label->heightForWidth(label->width()), label->fontMetrics().height());
            EXPECT_EQ(box->geometry().center(), asking->geometry().center());
            box->accept();
        });
        QtMessageBox().Show(
            "The market has been flooded with cheap Granite Statue and so prices are very low",
            "Dunemark", MsgIcon::None, MsgButtons::Ok);
    }
}

// The grids' last columns show whole, and each town's houses stand whole on the map, beside its
// name.
TEST_F(MainWindowTest, TheGridsAndTheMapShowWhole) {
    for (const Grid* grid : {window->Grid1, window->Grid2}) {
        const int last = grid->columnCount() - 1;
        EXPECT_LE(grid->columnViewportPosition(last) + grid->columnWidth(last),
                  grid->viewport()->width());
    }
    QSvgRenderer map(QStringLiteral(":/assets/map.svg"));
    ASSERT_EQ(map.viewBox().size(), window->Picture1->size());
    for (const TownLabel* town : window->lblTown) {
        const QRectF houses = map.boundsOnElement(town->text().toLower());
        const QRectF name = town->fontMetrics().boundingRect(
            town->geometry(), Qt::AlignLeft | Qt::AlignVCenter, town->text());
        EXPECT_TRUE(QRectF(map.viewBox()).adjusted(1, 1, -1, -1).contains(houses));
        EXPECT_FALSE(houses.intersects(name));
        EXPECT_LT(std::max(houses.left() - name.right(), name.left() - houses.right()), 16);
    }
}

// Tab goes round the window. Tabbing into a grid tells the row that Enter trades: the market
// offers its last item until a row is picked, the goods carried their first.
TEST_F(MainWindowTest, TabGoesRoundTheWindowAndTownsAreReachedByKeys) {
    std::vector<int> told;
    for (Grid* grid : {window->Grid1, window->Grid2})
        QObject::connect(grid, &Grid::rowTold, [&told](int row) { told.push_back(row); });
    window->lblTown[0]->setFocus();
    for (QWidget* next :
         std::initializer_list<QWidget*>{window->lblTown[1], window->lblTown[2], window->cmdSpecial,
                                         window->cmdBuy, window->cmdSell, window->cmdFinances,
                                         window->Grid1, window->Grid2, window->lblTown[0]}) {
        Type(window.get(), {Qt::Key_Tab});
        QApplication::processEvents(); // what is told, once the focus has moved
        EXPECT_EQ(QApplication::focusWidget(), next);
    }
    EXPECT_EQ(told, (std::vector<int>{10, 1}));
    // Space or the keypad's Enter on a town travels there, and so does its shortcut from
    // anywhere; the town already there begins no day.
    const std::tuple<std::vector<QKeyCombination>, int, int> cases[] = {
        {{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space}, 2, 1},
        {{Qt::Key_Tab, Qt::KeypadModifier | Qt::Key_Enter}, 1, 1},
        {{Qt::Key_Backtab, Qt::ControlModifier | Qt::Key_3}, 2, 1},
        {{Qt::ControlModifier | Qt::Key_1}, 0, 0}};
    for (const auto& [keys, town, day] : cases) {
        NewGame();
        window->lblTown[0]->setFocus();
        Type(window.get(), keys);
        EXPECT_EQ(vars.CurrentTown * 100 + window->Tables().CurrentDay, town * 100 + day);
    }
    // On the last day the towns under Finish are out of reach.
    TravelUntilDay(45);
    const int town = vars.CurrentTown;
    window->Grid2->setFocus();
    Type(window.get(), {Qt::Key_Tab, Qt::Key_Tab, Qt::ControlModifier | Qt::Key_1,
                        Qt::ControlModifier | Qt::Key_2});
    EXPECT_EQ(QApplication::focusWidget(), window->cmdSpecial);
    EXPECT_EQ(vars.CurrentTown, town);
}

TEST_F(MainWindowTest, BuyAndSellFromTheGridsByKeys) {
    constexpr int Water = 4, Grapes = 3, Empty = 6;
    vars.Holdings[Grapes] = {std::string("Grapes"), 20.0, 5.0};
    vars.ItemsCarried = 5;
    window->ShowHoldings();
    const QKeyCombination altB = Qt::AltModifier | Qt::Key_B, altS = Qt::AltModifier | Qt::Key_S;
    const std::tuple<Grid*, int, QKeyCombination, QString> cases[] = {
        {window->Grid2, Grapes, altB, "Buy - Water"},
        {window->Grid1, Water, Qt::Key_Return, "Buy - Water"},
        {window->Grid1, Water, altS, "Sell - Grapes"},
        {window->Grid2, Grapes, Qt::Key_Return, "Sell - Grapes"},
        {window->Grid2, Empty, Qt::Key_Return, ""},
    };
    for (const auto& [grid, row, key, opened] : cases) {
        modal.shownTitles = {""};
        window->Grid1->SetRow(Water);
        window->Grid2->SetRow(Grapes);
        grid->SetRow(row);
        grid->setFocus();
        Type(window.get(), {key});
        EXPECT_EQ(modal.shownTitles.back(), opened) << row;
    }
}

} // namespace
} // namespace dunemark
