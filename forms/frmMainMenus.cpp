// The main window's games and menus: a game started, an ordinary one or a market's, a game ended,
// and the windows the menus open.
#include "core/GameOver.h"
#include "core/Market.h"
#include "core/MarketNumber.h"
#include "core/NewGame.h"
#include "forms/frmAbout.h"
#include "forms/frmHighScores.h"
#include "forms/frmHowToPlay.h"
#include "forms/frmMain.h"
#include "forms/frmShowEndTomb.h"
#include "forms/frmStory.h"
#include "ledger/LedgerModule.h"
#include "platform/qt/CentreOver.h"
#include "screenreader/SpokenNews.h"
#include "widgets/Grid.h"
#include "widgets/TownLabel.h"

#include <QPushButton>
#include <QShortcut>
#include <QToolButton>

namespace dunemark {

void frmMain::StartGame(std::optional<std::uint32_t> market) {
    FillTables(tables_);
    Grid1->setHorizontalHeaderLabels({tr("Item"), tr("Price")});
    Grid2->setHorizontalHeaderLabels({tr("Item"), tr("Price"), tr("Qty")});
    for (int i = 0; i < TownCount; ++i)
        lblTown[i]->SetTown(QString::fromStdString(tables_.TownNames[i]),
                            QKeySequence(Qt::ControlModifier | Qt::Key(Qt::Key_1 + i)));
    ResetGame(vars_, tables_);
    tables_.MarketNumber = market;
    setWindowTitle(WindowCaption(QString::fromUtf8(AppTitle.data(), AppTitle.size())));
    GenerateMarket(vars_, tables_, services_, tables_.CurrentDay);
    ShowMarket();
    lblTown_Click(0);
    ColourTowns();
    ShowHoldings();
}

QString frmMain::WindowCaption(const QString& day) const {
    if (!tables_.MarketNumber)
        return day;
    return tr("%1 - Market %2", "the caption of a market game: the day's caption, the number")
        .arg(day)
        .arg(*tables_.MarketNumber);
}

void frmMain::mnuNewGame_Click() {
    PlayAfresh(std::nullopt);
}

void frmMain::mnuMarketOfDay_Click() {
    PlayAfresh(MarketOfTheDay(platform_.clock.Today()));
}

void frmMain::mnuMarketNumber_Click() {
    const std::string typed =
        platform_.input.Ask(tr("The number of the market to play (digits only, from %1 to %2):")
                                .arg(LowestMarketNumber)
                                .arg(HighestMarketNumber)
                                .toStdString(),
                            std::string(AppTitle));
    if (typed.empty()) // Cancel
        return;
    const std::optional<std::uint32_t> market = ReadMarketNumber(typed);
    if (!market) {
        platform_.messages.Show(tr("A market number is written in digits only, from %1 to %2.")
                                    .arg(LowestMarketNumber)
                                    .arg(HighestMarketNumber)
                                    .toStdString(),
                                std::string(AppTitle), MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    PlayAfresh(market);
}

void frmMain::PlayAfresh(std::optional<std::uint32_t> market) {
    const MsgResult answer =
        platform_.messages.Show(tr("Are you sure you wish to start a new game?").toStdString(),
                                std::string(AppTitle), MsgIcon::Question, MsgButtons::YesNo);
    if (answer != MsgResult::Yes)
        return;
    StartGame(market);
    gameIsOver_ = false;
    DescribeGrids();
    for (TownLabel* town : lblTown)
        town->setEnabled(true);
    for (QToolButton* button : {cmdBuy, cmdSell, cmdFinances, cmdSpecial})
        button->setEnabled(true);
    CoverMap(false);
    cmdFinish->setEnabled(true);
}

void frmMain::GameOver() {
    gameIsOver_ = true;
    DescribeGrids();
    noJourney_->setEnabled(false);
    for (TownLabel* town : lblTown)
        town->setEnabled(false);
    for (QToolButton* button : {cmdBuy, cmdSell, cmdFinances, cmdSpecial})
        button->setEnabled(false);

    const std::int32_t total = FinalTotal(vars_.BankBalance, vars_.Cash, vars_.Debt);
    platform_.messages.Show(Say(GameOverMessage(total, services_.groupSeparator)).toStdString(),
                            tr("Game Over").toStdString(), MsgIcon::Information, MsgButtons::Ok);
    vars_.FinalScore = total;
    {
        frmShowEndTomb tomb(vars_, this);
        if (tables_.MarketNumber)
            tomb.OfferResultLine(*tables_.MarketNumber, tables_.LastDay, platform_.clipboard);
        platform_.modal.ShowModal(tomb);
    }
    if (total >= 0) {
        frmHighScores scores(vars_, platform_, this);
        platform_.modal.ShowModal(scores);
        vars_.FinalScore = 0;
    }
    news_->Tell(Grid1->accessibleDescription());
}

void frmMain::mnuHighS_Click() {
    frmHighScores scores(vars_, platform_, this);
    platform_.modal.ShowModal(scores);
}

void frmMain::mnuStory_Click() {
    if (!story_) {
        story_ = new frmStory(
            [this] {
                raise();
                activateWindow();
            },
            this);
        story_->move(frameGeometry().topRight() + QPoint(8, 0));
    }
    BringToFront(*story_);
}

void frmMain::mnuLedger_Click() {
    if (!ledger_) {
        // The first opening loads the ledger's module; without it the game goes on.
        QString why;
        LedgerModule* module = ledgerModule_.Module(why);
        if (!module) {
            platform_.messages.Show(why.toStdString(), std::string(AppTitle), MsgIcon::Exclamation,
                                    MsgButtons::Ok);
            return;
        }
        ledger_ = module->CreateLedger(tables_, this);
    }
    BringToFront(*ledger_);
}

void frmMain::mnuHowToPlay_Click() {
    if (!howToPlay_)
        howToPlay_ = new frmHowToPlay(tables_, this);
    howToPlay_->Open();
}

void frmMain::mnuAbout_Click() {
    frmAbout about(platform_.links, this);
    platform_.modal.ShowModal(about);
}

} // namespace dunemark
