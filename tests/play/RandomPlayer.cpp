#include "RandomPlayer.h"

#include "core/SpecialProducts.h"
#include "forms/Grid.h"
#include "forms/QuantityDialog.h"
#include "forms/TownLabel.h"
#include "forms/frmFinances.h"
#include "forms/frmGetNumber.h"
#include "forms/frmMain.h"
#include "forms/frmSpecial.h"
#include "forms/frmStory.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <array>

namespace dunemark {

namespace {

// Draws taken for one action: a market takes 150, a day a few more.
constexpr int DrawsPerAction = 200;

// Texts a player might type or paste into a number box, and a few no player would.
const std::array<const char*, 24> OddTexts = {
    "",      " ",     "-5",    "+7",     ".5",     "2.5",     "0.125",
    "1e3",   "2E-1",  "1e400", "9e9999", "1e-400", "  12abc", "--3",
    ".",     "e5",    "0x1F",  "½",      "١٢٣",    "1,000",   "99999999999999999999",
    "12 34", "\t8\n", "nan",
};

} // namespace

RandomPlayer::RandomPlayer(std::uint32_t seed)
    : chance_(seed) {
    doubles_.modal.fallback = [this](QDialog& dialog) { PlayDialog(dialog); };
    doubles_.messages.onShow = [this](const ShownMessage& message) { OnMessage(message); };
    FreshDraws();
    window_ = std::make_unique<frmMain>(vars_, doubles_.platform);
    window_->show();
    MaybeStartRich();
}

// Now and then the player starts rich, as a bonus or a good deal might leave him, so that the
// dearest purchases and the limits of money come into play.
void RandomPlayer::MaybeStartRich() {
    if (!OneIn(3))
        return;
    vars_.Cash = OneIn(5) ? Pick(2'000'000'000, 2'147'483'647) : Pick(100'000, 20'000'000);
    window_->ShowStatus();
}

RandomPlayer::~RandomPlayer() = default;

std::string RandomPlayer::Act() {
    struct Choice {
        int weight;
        const char* name;
        void (RandomPlayer::*act)();
    };
    static constexpr Choice Choices[] = {
        {30, "travel", &RandomPlayer::Travel},    {18, "buy", &RandomPlayer::Buy},
        {12, "sell", &RandomPlayer::Sell},        {6, "pick holding", &RandomPlayer::PickHolding},
        {8, "finances", &RandomPlayer::Finances}, {8, "special", &RandomPlayer::Special},
        {5, "finish", &RandomPlayer::Finish},     {1, "new game", &RandomPlayer::NewGame},
        {3, "menu", &RandomPlayer::Menu},
    };
    FreshDraws();
    doubles_.input.answers.clear();
    if (OneIn(2))
        doubles_.input.answers.push_back(AnyText());
    finishing_ = false;

    int total = 0;
    for (const Choice& choice : Choices)
        total += choice.weight;
    int draw = Pick(0, total - 1);
    for (const Choice& choice : Choices) {
        if (draw < choice.weight) {
            (this->*choice.act)();
            return choice.name;
        }
        draw -= choice.weight;
    }
    return {};
}

void RandomPlayer::Travel() {
    TownLabel* town = window_->lblTown[static_cast<std::size_t>(Pick(0, TownCount - 1))];
    if (OneIn(2)) {
        ClickWhatIsOver(*town);
        return;
    }
    // By keyboard, a town can be reached even behind the Finish button.
    town->setFocus();
    QTest::keyClick(town, OneIn(2) ? Qt::Key_Space : Qt::Key_Return);
}

void RandomPlayer::Buy() {
    if (!OneIn(4))
        PickRow(*window_->Grid1);
    Press(window_->cmdBuy);
}

void RandomPlayer::Sell() {
    if (!OneIn(4))
        PickHolding();
    Press(window_->cmdSell);
}

void RandomPlayer::PickHolding() {
    Grid& grid = *window_->Grid2;
    const int before = grid.Row();
    const bool clicked = PickRow(grid, OneIn(2) ? FilledRow() : 0);
    // Picking a row switches Sell by whether the row holds anything, while the game runs.
    if ((clicked || grid.Row() != before) && !seen_.over)
        seen_.sellEnabled = !grid.TextMatrix(grid.Row(), 0).isEmpty();
}

void RandomPlayer::Finances() {
    const auto worth = [this] { return std::int64_t{vars_.Cash} + vars_.BankBalance - vars_.Debt; };
    const std::int64_t before = worth();
    Press(window_->cmdFinances);
    if (worth() != before)
        faults_.push_back("the finances window changed cash + bank - debt from " +
                          std::to_string(before) + " to " + std::to_string(worth()));
}

void RandomPlayer::Special() {
    Press(window_->cmdSpecial);
}

void RandomPlayer::Finish() {
    finishing_ = true;
    Press(window_->cmdFinish);
}

void RandomPlayer::NewGame() {
    newGameAccepted_ = false;
    window_->mnuNewGame->trigger();
    if (newGameAccepted_) {
        seen_ = PlayerView{};
        MaybeStartRich();
    }
}

void RandomPlayer::Menu() {
    switch (Pick(0, 2)) {
    case 0:
        window_->mnuHighS->trigger();
        break;
    case 1:
        window_->mnuAbout->trigger();
        break;
    default:
        window_->mnuStory->trigger();
        if (OneIn(2))
            window_->Story()->close();
    }
}

void RandomPlayer::PlayDialog(QDialog& dialog) {
    if (auto* quantity = qobject_cast<QuantityDialog*>(&dialog))
        AnswerQuantity(*quantity);
    else if (auto* finances = qobject_cast<frmFinances*>(&dialog))
        UseFinances(*finances);
    else if (auto* amount = qobject_cast<frmGetNumber*>(&dialog))
        AnswerAmount(*amount);
    else if (auto* special = qobject_cast<frmSpecial*>(&dialog))
        UseSpecial(*special);
    else
        Leave(dialog, nullptr, nullptr); // the burial, the high scores, About
}

void RandomPlayer::AnswerQuantity(QuantityDialog& dialog) {
    Fill(*dialog.txtQuantity);
    Leave(dialog, dialog.cmdOK, dialog.cmdCancel);
}

void RandomPlayer::UseFinances(frmFinances& dialog) {
    QPushButton* const operations[] = {dialog.cmdDeposit, dialog.cmdWithdraw, dialog.cmdPayLoan};
    for (int n = Pick(0, 3); n > 0; --n)
        Press(operations[Pick(0, 2)]);
    Leave(dialog, dialog.cmdOK, nullptr);
}

void RandomPlayer::AnswerAmount(frmGetNumber& dialog) {
    Fill(*dialog.txtMoney);
    Leave(dialog, dialog.cmdOK, dialog.cmdCancel);
}

// Now and then another tab; otherwise the panel shown is used.
void RandomPlayer::UseSpecial(frmSpecial& dialog) {
    for (int n = Pick(0, 8); n > 0; --n) {
        if (OneIn(3))
            Press(dialog.cmdButton[static_cast<std::size_t>(Pick(0, SpecialTabCount - 1))]);
        else if (dialog.picGift->isVisible() && OneIn(2))
            Press(dialog.OptGift[static_cast<std::size_t>(Pick(0, GiftCount - 1))]);
        else
            for (QPushButton* buy :
                 {dialog.cmdGiveGift, dialog.CmdIncreaseJacketSize, dialog.cmdBuyPyramidBank})
                Press(buy);
    }
    Leave(dialog, dialog.cmdOK, nullptr);
}

// Out by a button, Enter, Escape, or the close box (which the shower uses on a dialog left open).
void RandomPlayer::Leave(QDialog& dialog, QAbstractButton* ok, QAbstractButton* cancel) {
    QWidget* focus = dialog.focusWidget() ? dialog.focusWidget() : &dialog;
    switch (Pick(0, 4)) {
    case 0:
        Press(ok);
        break;
    case 1:
        Press(cancel);
        break;
    case 2:
        QTest::keyClick(focus, Qt::Key_Return);
        break;
    case 3:
        QTest::keyClick(focus, Qt::Key_Escape);
        break;
    default:
        break;
    }
}

void RandomPlayer::Fill(QLineEdit& box) {
    switch (Pick(0, 4)) {
    case 0:
        return; // takes what is proposed
    case 1:
        box.selectAll();
        [[fallthrough]];
    case 2: {
        static const char Keys[] = "0123456789.-+e x";
        QString typed;
        for (int n = Pick(1, 6); n > 0; --n)
            typed += QLatin1Char(Keys[Pick(0, static_cast<int>(sizeof Keys) - 2)]);
        QTest::keyClicks(&box, typed);
        return;
    }
    case 3:
        QGuiApplication::clipboard()->setText(QString::fromStdString(AnyText()));
        if (OneIn(2))
            box.selectAll();
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        return;
    default:
        for (int n = Pick(1, 5); n > 0; --n)
            QTest::keyClick(&box, Qt::Key_Backspace);
    }
}

void RandomPlayer::OnMessage(const ShownMessage& message) {
    if (message.title == "Game Over") {
        seen_.over = true;
        seen_.endedByFinish = finishing_;
    }
    if (message.buttons == MsgButtons::YesNo) {
        newGameAccepted_ = OneIn(5);
        doubles_.messages.answers.push_front(newGameAccepted_ ? MsgResult::Yes : MsgResult::No);
    }
}

// A player can press only what he sees and what is enabled.
void RandomPlayer::Press(QAbstractButton* button) {
    if (button && button->isVisible() && button->isEnabled())
        button->click();
}

// The mouse lands on whatever covers the widget's middle.
void RandomPlayer::ClickWhatIsOver(QWidget& widget) {
    const QPoint at = widget.mapTo(window_.get(), widget.rect().center());
    QWidget* target = window_->childAt(at);
    if (!target)
        return;
    if (target == window_->cmdFinish)
        finishing_ = true;
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(window_.get(), at));
}

// A click on the row given or any row, which always counts as picking it, or a step up or down
// by keyboard.
bool RandomPlayer::PickRow(Grid& grid, int row) {
    if (row == 0 && OneIn(3)) {
        QTest::keyClick(&grid, OneIn(2) ? Qt::Key_Up : Qt::Key_Down);
        return false;
    }
    if (row == 0)
        row = Pick(1, Grid::DataRows);
    const QRect cell =
        grid.visualRect(grid.model()->index(row - 1, Pick(0, grid.columnCount() - 1)));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
    return true;
}

// A row of the holdings with something in it, or 0 when there is none.
int RandomPlayer::FilledRow() {
    std::vector<int> rows;
    for (int r = 1; r <= ItemCount; ++r)
        if (!IsEmpty(vars_.Holdings[r][NameField]))
            rows.push_back(r);
    return rows.empty()
               ? 0
               : rows[static_cast<std::size_t>(Pick(0, static_cast<int>(rows.size()) - 1))];
}

std::string RandomPlayer::AnyText() {
    switch (Pick(0, 3)) {
    case 0:
        return OddTexts[static_cast<std::size_t>(Pick(0, static_cast<int>(OddTexts.size()) - 1))];
    case 1:
        return std::to_string(Pick(0, 2000));
    case 2:
        return std::to_string(Pick(0, 2'147'483'647)) + (OneIn(2) ? ".5" : "");
    default: {
        std::string text;
        for (int n = Pick(0, 12); n > 0; --n)
            text += static_cast<char>(Pick(32, 126));
        return text;
    }
    }
}

int RandomPlayer::Pick(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(chance_);
}

bool RandomPlayer::OneIn(int n) {
    return Pick(1, n) == 1;
}

// The game's draws for the next action, uniform in [0, 1).
void RandomPlayer::FreshDraws() {
    auto& script = doubles_.random.script;
    script.clear();
    for (int n = 0; n < DrawsPerAction; ++n)
        script.push_back(static_cast<float>(chance_() >> 8) * 0x1p-24f);
}

} // namespace dunemark
