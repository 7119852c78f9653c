#include "forms/frmMain.h"

#include "core/Trade.h"
#include "forms/frmBuy.h"
#include "forms/frmFinances.h"
#include "forms/frmHowToPlay.h"
#include "forms/frmSell.h"
#include "forms/frmSpecial.h"
#include "forms/frmStory.h"
#include "ledger/LedgerModule.h"
#include "screenreader/SpokenNews.h"
#include "widgets/Assets.h"
#include "widgets/Grid.h"
#include "widgets/Look.h"
#include "widgets/ScreenReader.h"
#include "widgets/Speech.h"
#include "widgets/TownLabel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>

namespace dunemark {

frmMain::frmMain(DeclareVars& vars, Platform& platform, QWidget* parent)
    : QMainWindow(parent)
    , vars_(vars)
    , platform_(platform)
    , services_{platform.messages, platform.random, platform.clock,
                QLocale().groupSeparator().toStdString(), speech_} {
    CreateControls();
    news_ = new SpokenNews(centralWidget());
    noJourney_ = new QShortcut(this);
    for (int i = 0; i < TownCount; ++i)
        noJourney_->setKeys(noJourney_->keys()
                            << QKeySequence(Qt::ControlModifier | Qt::Key(Qt::Key_1 + i)));
    noJourney_->setEnabled(false);
    connect(noJourney_, &QShortcut::activated, this,
            [this] { news_->Tell(tr("No more journeys: this is the last day.")); });
    CreateMenus();
    // The game's icon for this window and every one opened after it without an icon of its own:
    // the boxes, and the name prompt, which may open while no window of the game is active to
    // take one from. (Not before: the story's first frame does not wait for the icon's engine.)
    QApplication::setWindowIcon(GameIcon());
    Form_Load();
    setFixedSize(sizeHint());
}

frmMain::~frmMain() {
    delete story_;
}

frmStory* frmMain::Story() const {
    return story_;
}

QDialog* frmMain::LedgerWindow() const {
    return ledger_;
}

void frmMain::SetLedgerModule(const QString& file) {
    ledgerModule_ = LedgerLoader({file});
}

frmHowToPlay* frmMain::HowToPlay() const {
    return howToPlay_;
}

QString frmMain::News() const {
    return news_->News();
}

QString frmMain::Whereabouts() const {
    return tr("%1, day %2 of %3.")
               .arg(QString::fromStdString(tables_.TownNames[vars_.CurrentTown]))
               .arg(tables_.CurrentDay)
               .arg(tables_.LastDay) +
           QLatin1Char(' ') + MoneyHeld(vars_);
}

void frmMain::TellDone(const QString& done) {
    news_->Tell(done + QLatin1Char(' ') + tr("Cash %1.").arg(SpokenMoney(vars_.Cash)));
}

void frmMain::Form_Load() {
    StartGame(std::nullopt);
}

void frmMain::ColourTowns() {
    for (int i = 0; i < TownCount; ++i)
        lblTown[i]->SetCurrent(i == vars_.CurrentTown);
}

void frmMain::ShowStatus() {
    lblCash->setText(Money(vars_.Cash));
    lblBank->setText(Money(vars_.BankBalance));
    lblDebt->setText(Money(vars_.Debt));
    lblJacketSpace->setText(
        tr("Slaves: %1/%2").arg(vars_.SlaveCount - vars_.ItemsCarried).arg(vars_.SlaveCount));
    lblFavour->setText(tr("Favour = %1%").arg(vars_.Favour));
    //: Spoken: how many of the slaves carry nothing yet (room for that many more goods), of all.
    lblJacketSpace->setAccessibleName(tr("Slaves: %1 of %2 unladen")
                                          .arg(vars_.SlaveCount - vars_.ItemsCarried)
                                          .arg(vars_.SlaveCount));
    const bool bank = vars_.HasPyramidBank != VbFalse;
    Label6->setEnabled(bank);
    lblBank->setEnabled(bank);
    // The town the player is in says so, and where he stands, when a screen reader asks.
    for (int i = 0; i < TownCount; ++i)
        lblTown[i]->setAccessibleDescription(
            i == vars_.CurrentTown ? tr("You are here.") + QLatin1Char(' ') + Whereabouts()
                                   : QString());
    // Every change the player sees on this window ends here, each day's start included, so the
    // ledger keeps what the screen has shown.
    tables_.Record.See(tables_.CurrentDay, vars_);
    if (ledger_)
        ledgerModule_.Loaded()->Refresh(*ledger_);
}

void frmMain::ShowHoldings() {
    for (int r = 1; r <= ItemCount; ++r) {
        const auto& holding = vars_.Holdings[r];
        const std::string price = CellText(holding[PriceField]);
        Grid2->SetTextMatrix(r, 0, GoodName(CellText(holding[NameField])));
        // The price paid: in plain digits as the game writes it, and in a translated game
        // grouped as the market writes its prices ("%L1").
        Grid2->SetTextMatrix(r, 1,
                             price.empty() ? QString()
                                           : tr("%1", "the price paid for goods carried")
                                                 .arg(CellNumber(holding[PriceField]), 0, 'f',
                                                      QLocale::FloatingPointShortest));
        Grid2->SetTextMatrix(r, 2, QString::fromStdString(CellText(holding[QuantityField])));
    }
    // A screen reader hears what each figure is, and that a row is empty.
    for (int r = 1; r <= ItemCount; ++r) {
        const auto& held = vars_.Holdings[r];
        const bool empty = Grid2->TextMatrix(r, 0).isEmpty();
        Grid2->SetSpokenText(r, 0, empty ? tr("Nothing carried") : QString());
        Grid2->SetSpokenText(
            r, 1, empty ? QString() : tr("paid %1 each").arg(SpokenMoney(CellNumber(held[1]))));
        Grid2->SetSpokenText(r, 2,
                             empty ? QString() : tr("%1 carried").arg(Grid2->TextMatrix(r, 2)));
    }
    ShowStatus();
}

void frmMain::ShowMarket() {
    for (int r = 1; r <= ItemCount; ++r) {
        const auto& item = vars_.MarketItems[r];
        Grid1->SetTextMatrix(r, 0, GoodName(CellText(item[NameField][vars_.CurrentTown])));
        Grid1->SetTextMatrix(r, 1, Money(CellNumber(item[PriceField][vars_.CurrentTown])));
    }
    // Until the player picks a row, Buy offers the last item. A player who hears the grid keeps
    // the row he picked, or starts at the first: he finds rows by moving from where he is.
    int row = ItemCount - 1;
    if (ScreenReaderOn())
        row = std::max(Grid1->currentRow(), 0);
    Grid1->setCurrentCell(row, 1);
}

void frmMain::lblTown_Click(int index) {
    const MoveResult moved =
        MoveToTown(vars_, tables_, static_cast<std::int16_t>(index), services_, *this);
    // A journey, or a press on the town the player is in, is told: the town, the day and the
    // money. So is one made from a town button that has the focus: a screen reader need not
    // read the change of its description.
    QString news = Whereabouts();
    if (tables_.CurrentDay == tables_.LastDay)
        news += QLatin1Char(' ') + tr("Sell your goods, then press Finish to end the game.");
    if (isVisible() && moved != MoveResult::GameEnded)
        news_->Tell(news);
}

void frmMain::MarkTowns(std::int16_t currentTown) {
    for (int i = 0; i < TownCount; ++i)
        lblTown[i]->SetCurrent(i == currentTown);
}

void frmMain::SuspendMarketRepaint() {
    Grid1->setUpdatesEnabled(false);
}

void frmMain::ResumeMarketRepaint() {
    Grid1->setUpdatesEnabled(true);
}

void frmMain::ShowDay(std::int16_t day) {
    setWindowTitle(WindowCaption(Say(DayCaption(day))));
}

void frmMain::LastDayReached() {
    cmdBuy->setEnabled(false);
    CoverMap(true);
}

void frmMain::CoverMap(bool covered) {
    // The towns under Finish can no more be reached by Tab or their shortcuts than by the mouse.
    for (TownLabel* town : lblTown)
        town->setVisible(!covered);
    cmdFinish->setVisible(covered);
    cmdFinish->raise();
    noJourney_->setEnabled(covered && !gameIsOver_);
}

void frmMain::Grid2_SelChange() {
    if (gameIsOver_)
        return;
    cmdSell->setEnabled(!Grid2->TextMatrix(Grid2->Row(), 0).isEmpty());
}

void frmMain::cmdBuy_Click() {
    const int r = Grid1->Row();
    // The price as the market grid shows it, read back with its separators.
    const double shownPrice =
        ReadMoney(Grid1->TextMatrix(r, 1).toStdString(), services_.groupSeparator);
    if (const auto refusal = BuyRefusal(vars_, shownPrice)) {
        platform_.messages.Show(Say(*refusal).toStdString(), std::string(AppTitle), MsgIcon::None,
                                MsgButtons::Ok);
        // A player who cannot see the grid hears which good it was.
        TellDone(tr("%1 costs %2.").arg(Grid1->TextMatrix(r, 0), SpokenMoney(shownPrice)));
        return;
    }
    const QString name = Grid1->TextMatrix(r, 0);
    const std::int32_t cash = vars_.Cash;
    const auto carried = vars_.ItemsCarried;
    frmBuy dialog(vars_, r, this);
    dialog.setWindowTitle(tr("Buy - %1").arg(name));
    platform_.modal.ShowModal(dialog);
    ShowHoldings();
    if (vars_.Cash != cash || vars_.ItemsCarried != carried)
        //: Spoken: how many of the good %1 were bought, and what they cost.
        TellDone(tr("Bought %n %1 for %2.", nullptr, vars_.ItemsCarried - carried)
                     .arg(name, SpokenMoney(cash - vars_.Cash)));
}

void frmMain::cmdSell_Click() {
    const int r = Grid2->Row();
    const QString name = Grid2->TextMatrix(r, 0);
    if (const auto refusal = SellRefusal(name.toStdString())) {
        platform_.messages.Show(Say(*refusal).toStdString(), std::string(AppTitle), MsgIcon::None,
                                MsgButtons::Ok);
        return;
    }
    const std::int32_t cash = vars_.Cash;
    const auto carried = vars_.ItemsCarried;
    frmSell dialog(vars_, r, LeadingNumber(Grid2->TextMatrix(r, 2).toStdString()), this);
    dialog.setWindowTitle(tr("Sell - %1").arg(name));
    platform_.modal.ShowModal(dialog);
    ShowHoldings();
    if (vars_.Cash != cash || vars_.ItemsCarried != carried)
        //: Spoken: how many of the good %1 were sold, and what they brought.
        TellDone(tr("Sold %n %1 for %2.", nullptr, carried - vars_.ItemsCarried)
                     .arg(name, SpokenMoney(vars_.Cash - cash)));
}

void frmMain::cmdFinances_Click() {
    frmFinances dialog(vars_, platform_, this);
    platform_.modal.ShowModal(dialog);
    ShowStatus();
}

void frmMain::cmdSpecial_Click() {
    frmSpecial dialog(vars_, platform_, lblFavour, lblCash, this);
    platform_.modal.ShowModal(dialog);
    ShowStatus();
}

void frmMain::cmdFinish_Click() {
    if (tables_.CurrentDay != tables_.LastDay)
        return;
    cmdFinish->setEnabled(false);
    GameOver();
}

void frmMain::DescribeGrids() {
    const QString over = tr("The game is over: File, New Game starts another.");
    Grid1->setAccessibleDescription(gameIsOver_ ? over : tr("Enter buys the selected item"));
    Grid2->setAccessibleDescription(gameIsOver_ ? over : tr("Enter sells the selected item"));
}

void frmMain::mnuExit_Click() {
    close();
}

void frmMain::closeEvent(QCloseEvent* event) {
    // Leaving the game closes every window at once; nothing is saved or asked.
    event->accept();
    delete story_;
    QApplication::quit();
}

} // namespace dunemark
