// A whole game played through the real windows, the start of the program, playing without the
// mouse and what a screen reader finds, market games from the File menu (started by the date or
// by a number, named in the caption, and a result line to copy when they end), and How to Play
// (every figure it gives is the one the rules use, and F1 opens one window beside the game at any
// time). The sums are the rules' business: here, what the windows add to them.
#include "Doubles.h"
#include "core/Market.h"
#include "forms/frmHowToPlay.h"
#include "platform/qt/CentreOver.h"
#include "platform/qt/QtClipboard.h"
#include "screenreader/SpokenNews.h"

#include <QPainter>
#include <QScreen>
#include <QTextBlock>
#include <QTextBrowser>
#include <cmath>
#include <map>

using namespace dunemark;

TEST_F(MainWindowTest, AScriptedGameFromTheFirstMarketToTheHighScores) {
    EXPECT_EQ(window->lblBank->text(), "") << "no money shows as nothing";
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

    // Finish: the total, the burial (without a result line to copy), then the name for the table.
    vars.Cash = 1'000'000, vars.Debt = 0, vars.BankBalance = 234'567;
    modal.shownTitles.clear();
    Next<frmShowEndTomb>([](frmShowEndTomb& tomb) { EXPECT_EQ(tomb.cmdCopy, nullptr); });
    input.answers = {"Nefertiti"};
    window->cmdFinish->click();
    EXPECT_EQ(messages.shown.back(),
              (ShownMessage{"You managed to get a total of \r\n1,234,567", "Game Over",
                            MsgIcon::Information, MsgButtons::Ok}));
    EXPECT_EQ(modal.shownTitles, (std::vector<QString>{"What happened to you?", "Highscores"}));
    EXPECT_EQ(settings.GetSetting("Dunemark", "Scores", "Name0"), "Nefertiti");
    EXPECT_TRUE(clipboard.copied.empty());
    window->mnuHighS->trigger();
    EXPECT_EQ(input.asked.size(), 1u) << "the menu only shows the table";
}

// A key with the text the window system sends with it, to whatever has the focus.
static void Key(Qt::Key key, const char* text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString::fromLatin1(text));
    QApplication::sendEvent(QApplication::focusWidget(), &press);
}

// The story is the first and only window, its text what a screen reader finds. A click or a key
// that types a character opens the game; the close box ends the program, other keys do nothing.
// From the menu, the story stands beside the game. Its parchment, which the program carries
// already drawn, is the one its picture gives.
TEST(StartUpTest, TheStoryComesFirstAndLeadsToTheGame) {
    {
        // The map, which is not carried drawn, is drawn from its picture the same way.
        frmStory story({});
        SvgPicture map(QStringLiteral(":/assets/map.svg"), &story);
        map.setGeometry(0, 0, 120, 90);
        for (SvgPicture* picture : {story.Image2, &map}) {
            const QImage shown = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
            QImage drawn(shown.size(), QImage::Format_RGB32);
            drawn.fill(story.palette().color(QPalette::Window));
            QPainter painter(&drawn);
            QSvgRenderer(picture->ResourcePath()).render(&painter, QRectF(drawn.rect()));
            painter.end();
            EXPECT_EQ(shown, drawn) << picture->ResourcePath().toStdString();
        }
    }
    const std::pair<std::function<void(frmStory&)>, bool> cases[] = {
        {[](frmStory& s) { QTest::mouseClick(s.lblStory, Qt::LeftButton); }, true},
        {[](frmStory& s) { QTest::mouseClick(s.Image2, Qt::LeftButton); }, true},
        {[](frmStory&) { Key(Qt::Key_Comma, ","); }, true},
        {[](frmStory&) { Key(Qt::Key_Backspace, "\b"); }, true},
        {[](frmStory&) { Key(Qt::Key_Tab, "\t"), Key(Qt::Key_Delete, "\x7f"); }, false},
        {[](frmStory&) { Key(Qt::Key_Left, ""), Key(Qt::Key_F5, ""); }, false},
        {[](frmStory& s) { s.close(); }, false}};
    for (const auto& [act, opensGame] : cases) {
        PlatformDoubles doubles;
        StartUp startUp(doubles.platform);
        startUp.Begin();
        ASSERT_TRUE(Activate(startUp.Story()));
        // The text takes the keys once drawn.
        startUp.Story()->repaint();
        QApplication::sendPostedEvents();
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
    // The keypad's Enter on a town travels there (Return, Space and the towns' shortcuts from
    // anywhere, and the town already there beginning no day: ScreenReaderTest).
    Type(window.get(), {Qt::Key_Tab, Qt::KeypadModifier | Qt::Key_Enter});
    EXPECT_EQ(vars.CurrentTown * 100 + window->Tables().CurrentDay, 101);
    // On the last day the towns under Finish are out of reach.
    TravelUntilDay(45);
    window->Grid2->setFocus();
    Type(window.get(), {Qt::Key_Tab, Qt::Key_Tab, Qt::ControlModifier | Qt::Key_1,
                        Qt::ControlModifier | Qt::Key_2});
    EXPECT_EQ(QApplication::focusWidget(), window->cmdSpecial);
    EXPECT_EQ(window->Tables().CurrentDay, 45) << "no journey";
}

// Return presses the picture buttons as Space does; Enter on a grid, or Alt+B and Alt+S from
// anywhere, trade the row picked in the grid of the trade.
TEST_F(MainWindowTest, TheButtonsAndTheGridsOpenTheirWindowsByKeys) {
    constexpr int Water = 4, Grapes = 3;
    vars.Holdings[Grapes] = {std::string("Grapes"), 20.0, 5.0};
    vars.ItemsCarried = 5;
    window->ShowHoldings();
    // (Enter on an empty row of the goods carried opens nothing: ScreenReaderTest.)
    const std::tuple<QWidget*, QKeyCombination, QString> cases[] = {
        {window->cmdFinances, Qt::Key_Return, "Finances"},
        {window->cmdBuy, Qt::Key_Return, "Buy - Water"},
        {window->cmdSpecial, Qt::Key_Return, "Special items"},
        {window->Grid2, Qt::AltModifier | Qt::Key_B, "Buy - Water"},
        {window->Grid1, Qt::Key_Return, "Buy - Water"},
        {window->Grid1, Qt::AltModifier | Qt::Key_S, "Sell - Grapes"},
        {window->Grid2, Qt::Key_Return, "Sell - Grapes"}};
    for (const auto& [focus, key, opened] : cases) {
        modal.shownTitles = {""};
        window->Grid1->SetRow(Water);
        window->Grid2->SetRow(Grapes);
        focus->setFocus();
        Type(window.get(), {key});
        EXPECT_EQ(modal.shownTitles.back(), opened);
    }
}

using MarketGameTest = MainWindowTest;

// A market game's end offers its result line to copy (an ordinary game's burial offers none: the
// scripted game above).
TEST_F(MarketGameTest, TheFileMenuStartsAMarketByItsNumberOrByTheDateAndItsEndCopiesItsLine) {
    TravelUntilDay(2);
    // Cancel asks nothing more; what is not a market number is refused (which are: MarketNumber);
    // a number is refused at the question that follows it, answered No.
    input.answers = {"", "12a", "30"};
    for (int ask = 0; ask < 3; ++ask)
        window->mnuMarketNumber->trigger();
    EXPECT_EQ(input.asked.front().first + '|' + input.asked.front().second,
              "The number of the market to play (digits only, from 1 to 99999999):|Dunemark");
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text,
              "A market number is written in digits only, from 1 to 99999999.");
    EXPECT_EQ(messages.shown[1], (ShownMessage{"Are you sure you wish to start a new game?",
                                               "Dunemark", MsgIcon::Question, MsgButtons::YesNo}));
    EXPECT_EQ(window->windowTitle(), "Dunemark - Day 2");
    EXPECT_FALSE(window->Tables().MarketNumber);

    input.answers = {" 30 "};
    messages.answers = {MsgResult::Yes};
    window->mnuMarketNumber->trigger();
    EXPECT_EQ(window->windowTitle(), "Dunemark - Market 30");
    window->lblTown_Click(1); // (its caption from then on: ShortGame)
    // Market 30's Gold on the first day in Wailey, at twice its usual price: the window shows
    // the market of the number, not of the clock's generator.
    EXPECT_EQ(window->Grid1->TextMatrix(1, 1), "6,926");
    EXPECT_EQ(random.seeds.size(), 90u) << "only the ordinary game's three markets are seeded";

    TravelUntilDay(GameDays);
    vars.Cash = 1'234'567, vars.Debt = 0;
    Next<frmShowEndTomb>([](frmShowEndTomb& tomb) {
        EXPECT_EQ(tomb.focusWidget(), &tomb) << "Enter, Space and Escape still close it";
        tomb.cmdCopy->click();
        // On the button, and told to a screen reader.
        EXPECT_EQ(tomb.cmdCopy->text() + '|' + tomb.findChild<SpokenNews*>()->News(),
                  "Copied|Copied");
    });
    input.answers = {"Ann"};
    window->cmdFinish->click();
    EXPECT_EQ(clipboard.copied,
              (std::vector<std::string>{"Dunemark, market 30: 1,234,567 in 45 days, buried with "
                                        "the common folk"}));
    // Every rank has its line; a total of nothing is written as 0.
    EXPECT_EQ(frmShowEndTomb::ResultLine(20261207, 0, 45),
              "Dunemark, market 20261207: 0 in 45 days, tossed into the desert");
    EXPECT_EQ(frmShowEndTomb::ResultLine(7, 50'000'001, 45),
              "Dunemark, market 7: 50,000,001 in 45 days, buried next to the Gods");
    QtClipboard().Copy("Dunemark, market 7");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Dunemark, market 7");

    messages.answers = {MsgResult::Yes, MsgResult::Yes};
    window->mnuMarketOfDay->trigger();
    EXPECT_EQ(window->windowTitle(), "Dunemark - Market 20261206");
    window->mnuNewGame->trigger();
    EXPECT_EQ(window->windowTitle(), "Dunemark");
    EXPECT_FALSE(window->Tables().MarketNumber);
}

using HowToPlayTest = MainWindowTest;

TEST_F(HowToPlayTest, F1OpensOneWindowBesideTheGameWhoseFiguresAreTheRulesOwn) {
    window->GameOver(); // the end of a game leaves the menus, and the help, at hand
    for (int opening = 0; opening < 2; ++opening)
        Type(window.get(), {Qt::Key_F1});
    frmHowToPlay* help = window->HowToPlay();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible() && !help->isModal());
    EXPECT_EQ(window->findChildren<frmHowToPlay*>().size(), 1);
    // Beside the game, as the ledger opens, so that the map stays in sight, and wholly on the
    // screen (LedgerPlace).
    EXPECT_EQ(help->pos(), Beside(window->frameGeometry(), help->frameGeometry().size(),
                                  help->screen()->availableGeometry()));

    // Each section and the figures it must give.
    const auto count = [](double value) { return QLocale().toString(std::lround(value)); };
    const auto chance = [&count](int n, double percent, const char* between = ": ") {
        return "one in " + count(n) + between + count(percent) + '%';
    };
    std::map<QString, QStringList> figures = {
        {"The game",
         {count(GameDays), Money(StartingCash), Money(StartingLoan), count(StartingSlaves),
          "between Origon, Wailey and Foxton"}},
        {"Travel", {count(GameDays)}},
        {"The market",
         {Money(4857), // the dearest Gold of a day without an event
          chance(LowPrices.chance, 50, ": about "), chance(Glut.chance, 10),
          chance(PharaohsDemand.chance, 300), chance(HighPrices.chance, 200)}},
        {"The loan and the pyramid bank",
         {count(LoanInterestPercent) + '%', count(BankInterestPercent) + '%',
          Money(PyramidBankPrice)}},
        {"Favour and special products",
         {count(SaleFavourStep) + '%', count(FavourForBonus) + '%', Money(BonusCeiling - 1),
          count(SlavesPerPack), Money(SlavePackPrice), count(SlaveLimit)}},
        {"Dangers",
         {chance(MuggingChance, MuggingLossPercent, " that you are mugged and lose "),
          chance(RobberyChance, RobberyLossPercent, " each day that it is robbed and loses ")}},
        {"High scores", {count(HighScorePlaces), Money(DefaultHighScore().Total)}}};
    for (int i = 0; i < GiftCount; ++i)
        figures["Favour and special products"]
            << Money(Gifts.GiftCost[i]) + "\n+" + count(Gifts.GiftFavour[i]) + '%';
    for (int rank = 0; rank < DesertRank; ++rank)
        figures["Where you are buried"] << "above " + Money(BurialThreshold(rank));
    figures["Where you are buried"] << Money(BurialThreshold(DesertRank - 1)) + " or less";
    std::map<QString, QString> sections; // the text under each heading
    QString heading;
    for (QTextBlock block = help->txtRules->document()->begin(); block.isValid();
         block = block.next())
        if (block.blockFormat().headingLevel() == 2)
            heading = block.text();
        else if (!heading.isEmpty())
            sections[heading] += block.text() + QLatin1Char('\n');
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
