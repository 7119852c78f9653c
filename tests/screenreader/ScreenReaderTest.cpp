// What a screen reader hears, as the events and texts Qt hands it: Orca speaks a focus change,
// a notification that shows, and the text of a box as the stretches of formatting it is told.
#include "Doubles.h"
#include "forms/frmHowToPlay.h"
#include "screenreader/SpokenNews.h"

#include <QTextBlock>
#include <QTextBrowser>
#include <utility>

using namespace dunemark;

// What a screen reader is told without a move of the focus: each time a window's notification
// shows, Orca speaks its name.
struct ScreenReaderTest : MainWindowTest, QObject {
    ScreenReaderTest() { Listen(window.get()); }
    ~ScreenReaderTest() override { QAccessible::setActive(false); }
    void Listen(QWidget* shown) {
        for (SpokenNews* news : shown->findChildren<SpokenNews*>()) {
            EXPECT_EQ(QAccessible::queryAccessibleInterface(news)->role(),
                      QAccessible::Notification);
            news->installEventFilter(this);
        }
    }
    bool eventFilter(QObject* news, QEvent* event) override {
        if (event->type() == QEvent::Show)
            told.push_back(static_cast<SpokenNews*>(news)->News().toStdString());
        return false;
    }
    // What was told since the last call.
    std::vector<std::string> Told() { return std::exchange(told, {}); }

    std::vector<std::string> told;
};

// Each journey is told with the town, the day and the money, whatever has the focus; the town
// the player is in says so, and a press on it tells where he is.
TEST_F(ScreenReaderTest, AJourneyTellsTheTownTheDayAndTheMoney) {
    window->Grid1->setFocus();
    for (int press = 0; press < 2; ++press) { // the second where he already is: no new day
        Type(window.get(), {Qt::ControlModifier | Qt::Key_2});
        EXPECT_EQ(Told(), std::vector<std::string>{"Wailey, day 1 of 45. Cash 2,000, debt 5,500."});
    }
    // The other towns are buttons that tell their shortcuts, and a press through the reader
    // travels.
    QAccessibleInterface* foxton = QAccessible::queryAccessibleInterface(window->lblTown[2]);
    EXPECT_EQ(foxton->role(), QAccessible::Button);
    EXPECT_EQ(NameOf(window->lblTown[2], QAccessible::Description), "Travel to Foxton (Ctrl+3)");
    foxton->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_TRUE(QTest::qWaitFor([this] { return vars.CurrentTown == 2; }, 10'000));
    EXPECT_EQ(Told(), std::vector<std::string>{"Foxton, day 2 of 45. Cash 2,000, debt 6,050."});
    // Return and Space on a town button that has the focus travel and are told as the keys are;
    // the town travelled to says so in its description too.
    for (const auto& [town, key, heard] :
         {std::tuple(0, Qt::Key_Return, "Origon, day 3 of 45. Cash 2,000, debt 6,655."),
          {1, Qt::Key_Space, "Wailey, day 4 of 45. Cash 2,000, debt 7,321."}}) {
        window->lblTown[town]->setFocus();
        QTest::keyClick(window->lblTown[town], key);
        EXPECT_EQ(Told(), std::vector<std::string>{heard});
        EXPECT_EQ(NameOf(window->lblTown[town], QAccessible::Description),
                  std::string("You are here. ") + heard);
    }
    // The last day says how the game ends, and the towns' keys that no longer travel say why.
    TravelUntilDay(45);
    EXPECT_EQ(Told().back(), "Origon, day 45 of 45. Cash 2,000, debt 364,467. Sell your "
                             "goods, then press Finish to end the game.");
    QTest::keyClick(window.get(), Qt::Key_1, Qt::ControlModifier);
    EXPECT_EQ(Told(), std::vector<std::string>{"No more journeys: this is the last day."});
    vars.HasPyramidBank = VbTrue, vars.BankBalance = 1000, window->ShowStatus();
    EXPECT_EQ(NameOf(window->lblTown[0], QAccessible::Description),
              "You are here. Origon, day 45 of 45. Cash 2,000, debt 364,467. Bank 1,000.");
}

// A trade is told with the new cash. Every control has its name, the money its caption.
TEST_F(ScreenReaderTest, ATradeIsToldAndEveryControlHasItsName) {
    window->Grid1->SetRow(3);
    Next<frmBuy>([](frmBuy& buy) { QTest::keyClicks(buy.txtQuantity, "20\r"); });
    window->cmdBuy->click();
    window->Grid2->SetRow(3);
    Next<frmSell>([](frmSell& sell) { QTest::keyClicks(sell.txtQuantity, "5\r"); });
    window->cmdSell->click();
    // The goods carried say what each figure is, and that a row is empty.
    QAccessibleTableInterface* carried =
        QAccessible::queryAccessibleInterface(window->Grid2)->tableInterface();
    std::vector<std::string> cells;
    for (const auto& [row, column] : {std::pair(2, 0), {2, 1}, {2, 2}, {3, 0}})
        cells.push_back(carried->cellAt(row, column)->text(QAccessible::Name).toStdString());
    const auto headers = carried->cellAt(0, 2)->tableCellInterface()->columnHeaderCells();
    cells.push_back(headers.value(0)->text(QAccessible::Name).toStdString());
    EXPECT_EQ(cells, (std::vector<std::string>{"Grapes", "paid 20 each", "15 carried",
                                               "Nothing carried", "Qty"}));
    // Cash of nothing, which the label shows as nothing, is told as 0. (Payments through the
    // finances window: TheAmountTypedIsTheAmountTakenOrToldWhyNot.)
    vars.Cash = 0, window->ShowStatus();
    // Enter on an empty row of the goods carried, and a good the cash does not pay for.
    window->Grid2->SetRow(6);
    window->Grid2->setFocus();
    QTest::keyClick(window->Grid2, Qt::Key_Return);
    window->Grid1->SetRow(10);
    window->cmdBuy->click();
    EXPECT_EQ(Told(),
              (std::vector<std::string>{"Bought 20 Grapes for 400. Cash 1,600.",
                                        "Sold 5 Grapes for 100. Cash 1,700.",
                                        "Nothing there to sell", "Granite costs 3,000. Cash 0."}));
    frmSpecial special(vars, platform, nullptr, nullptr);
    const std::tuple<QWidget*, QAccessible::Role, std::string> named[] = {
        {window->lblCash, QAccessible::StaticText, "Cash: 0"},
        {window->lblDebt, QAccessible::StaticText, "Debt: 5,000"},
        {window->Grid1, QAccessible::Table, "Items you can buy"},
        {special.OptGift[4], QAccessible::RadioButton, "Food & water"}};
    for (const auto& [widget, role, name] : named)
        EXPECT_EQ(std::pair(QAccessible::queryAccessibleInterface(widget)->role(), NameOf(widget)),
                  std::pair(role, name));
}

// The amount box asks what the amount is for and the most it can be. A player who hears it and
// types gets the amount typed; what the box rewrites, with or without a reader, is told before OK.
TEST_F(ScreenReaderTest, TheAmountTypedIsTheAmountTakenOrToldWhyNot) {
    vars.HasPyramidBank = VbTrue, vars.BankBalance = 1000;
    // With a reader or without, the button, what is typed, the question, and what is told (after
    // the box's own note when it rewrote the amount).
    const std::tuple<bool, QPushButton * frmFinances::*, const char*, const char*, const char*>
        cases[] = {
            {true, &frmFinances::cmdDeposit, "500\r", "How much do you deposit? At most 2,000.",
             "Deposited 500. Cash 1,500, debt 5,000. Bank 1,500."},
            {false, &frmFinances::cmdPayLoan, "5\r",
             "How much of the loan do you pay back? At most 1,500.",
             "Paid 1,500 of the loan. Cash 0, debt 3,500. Bank 1,500."},
            {true, &frmFinances::cmdWithdraw, "9000\r", "How much do you withdraw? At most 1,500.",
             "Withdrew 1,500. Cash 1,500, debt 3,500. Bank 0."}};
    for (const auto& [reader, button, typed, asked, done] : cases) {
        QAccessible::setActive(reader);
        std::string question;
        Next<frmFinances>([&, button, typed](frmFinances& finances) {
            Listen(&finances);
            Next<frmGetNumber>([&, typed](frmGetNumber& box) {
                Listen(&box);
                question = NameOf(box.txtMoney); // and no caption names the box before it
                EXPECT_TRUE(QAccessible::queryAccessibleInterface(box.txtMoney)
                                ->relations(QAccessible::Label)
                                .isEmpty());
                QTest::keyClicks(box.txtMoney, typed);
            });
            (finances.*button)->click();
        });
        window->cmdFinances->click();
        EXPECT_EQ(question, asked);
        std::vector<std::string> heard{done};
        if (button != &frmFinances::cmdDeposit)
            heard.insert(heard.begin(), "The box holds 1,500: at most 1,500.");
        EXPECT_EQ(Told(), heard) << asked;
    }
}

// A player who hears the grids finds his rows where he left them: the goods carried pass over the
// empty rows, and a journey leaves the market on the row he picked. Without a reader the grids
// move as they always have, and a journey offers the market's last item.
TEST_F(ScreenReaderTest, WithAReaderTheRowsAreWhereThePlayerLeftThem) {
    for (const int row : {1, 4, 8})
        vars.Holdings[row] = {std::string("Grapes"), 20.0, 5.0};
    window->ShowHoldings();
    ASSERT_TRUE(Activate(window.get()));
    const QKeyCombination down = Qt::Key_Down, up = Qt::Key_Up, first = Qt::CTRL | Qt::Key_Home;
    const std::tuple<bool, std::vector<QKeyCombination>, std::vector<int>, int> cases[] = {
        {false, {down, down, Qt::CTRL | Qt::Key_End, first}, {2, 3, 4, 10, 1}, 10},
        {true, {down, down, up, up, Qt::Key_PageDown, first}, {1, 4, 8, 4, 1, 8, 1}, 5},
    };
    for (const auto& [reader, keys, rows, market] : cases) {
        QAccessible::setActive(reader);
        window->Grid1->SetRow(5);
        window->lblTown_Click(vars.CurrentTown == 0 ? 1 : 0);
        EXPECT_EQ(window->Grid1->Row(), market) << reader;
        window->Grid2->SetRow(2);
        window->Grid1->setFocus();
        QTest::keyClick(window->Grid1, Qt::Key_Tab);
        std::vector<int> heard{window->Grid2->Row()};
        for (const QKeyCombination key : keys) {
            QTest::keyClick(window->Grid2, key.key(), key.keyboardModifiers());
            heard.push_back(window->Grid2->Row());
        }
        EXPECT_EQ(heard, rows) << reader;
    }
}

// How to Play is read section by section: Tab tells an entry of the contents, and Return on it
// takes the caret, which a screen reader follows, to the start of the section's heading, told.
TEST_F(ScreenReaderTest, HowToPlaysContentsLeadToTheirSections) {
    window->mnuHowToPlay->trigger();
    frmHowToPlay* help = window->HowToPlay();
    Listen(help);
    QTextBrowser* rules = help->txtRules;
    for (const auto& [entry, title] : {std::pair(1, "The game"), {3, "The market"}, {11, "Keys"}}) {
        rules->moveCursor(QTextCursor::Start);
        for (int tab = 0; tab < entry; ++tab)
            QTest::keyClick(rules, Qt::Key_Tab);
        const std::vector<std::string> told = Told(); // each entry passed, then this one
        EXPECT_EQ(std::pair(told.size(), told.empty() ? "" : told.back()),
                  std::pair(std::size_t(entry), std::string(title)));
        QTest::keyClick(rules, Qt::Key_Return);
        EXPECT_EQ(Told(), std::vector<std::string>{title}) << "the heading reached";
        const QTextCursor caret = rules->textCursor();
        EXPECT_EQ(std::pair(caret.block().text().toStdString(), caret.positionInBlock()),
                  std::pair(std::string(title), 0));
        EXPECT_EQ(caret.blockFormat().headingLevel(), 2);
    }
}

// Every figure in a box is one stretch of text from its first character to its last.
TEST_F(ScreenReaderTest, AFigureInABoxIsToldWhole) {
    frmFinances finances(vars, platform);
    frmBuy buy(vars, 3);
    for (QLineEdit* box : {finances.txtCash, finances.txtDebt, buy.txtQuantity}) {
        QAccessibleTextInterface* text =
            QAccessible::queryAccessibleInterface(box)->textInterface();
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(text->text(0, text->characterCount()), box->text());
        for (int offset = 0; offset <= box->text().size(); ++offset) {
            int start = -1, end = -1;
            text->attributes(offset, &start, &end);
            EXPECT_EQ(std::pair(start, end), std::pair(0, static_cast<int>(box->text().size())))
                << box->text().toStdString() << " at " << offset;
        }
    }
}

// Every place of the high-score table is reached with Tab and read whole; the player's new place
// has the focus when the table opens.
TEST_F(ScreenReaderTest, EveryHighScorePlaceIsHeard) {
    for (int k = 0; k < 3; ++k)
        for (const auto& [field, value] :
             {std::pair<std::string, std::string>("Name", "Ra " + std::to_string(k)),
              {"Date", "7 Dec 2026"},
              {"Time", std::to_string(3000 - 1000 * k)}})
            settings.SaveSetting("Dunemark", "Scores", field + std::to_string(k), value);
    vars.FinalScore = 1500;
    input.answers = {"Orca Tester"};
    frmHighScores scores(vars, platform, window.get());
    ASSERT_TRUE(Activate(&scores));
    std::vector<std::string> names;
    for (int k = 0; k <= HighScorePlaces; ++k) {
        names.push_back(NameOf(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(names[0], "3. Orca Tester, 06/12/2026, 1,500") << "the new place first";
    EXPECT_EQ(names[1], "4. Ra 2, 7 Dec 2026, 1,000");
    EXPECT_EQ(names[7], "10. Nobody, 00/00/00, 100");
    EXPECT_EQ(names[8], "Close");
    EXPECT_EQ(names[9], "1. Ra 0, 7 Dec 2026, 3,000");
    EXPECT_EQ(names[10], "2. Ra 1, 7 Dec 2026, 2,000");
}
