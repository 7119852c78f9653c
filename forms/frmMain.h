#pragma once

#include "core/DeclareVars.h"
#include "core/GameServices.h"
#include "core/MainTables.h"
#include "core/Travel.h"
#include "ledger/LedgerLoader.h"
#include "platform/Platform.h"
#include "widgets/Speech.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <cstdint>
#include <optional>

class QAction;
class QDialog;
class QLabel;
class QMenu;
class QToolButton;
class QPushButton;
class QShortcut;

namespace dunemark {

class Grid;
class SpokenNews;
class SvgPicture;
class TownLabel;
class frmHowToPlay;
class frmStory;

// The game's main window: the money, the map with the three towns, the market and the goods
// carried, and the buttons and menus that reach everything else. Its controls are made in
// frmMainLayout.cpp, its games and the windows its menus open are in frmMainMenus.cpp.
class frmMain : public QMainWindow, private TravelView {
    Q_OBJECT
public:
    frmMain(DeclareVars& vars, Platform& platform, QWidget* parent = nullptr);
    ~frmMain() override;

    // Starts a game on this window.
    void Form_Load();

    void ShowStatus() override;
    void ShowHoldings();
    void ShowMarket() override;
    void GameOver() override;

    void lblTown_Click(int index);
    void cmdBuy_Click();
    void cmdSell_Click();
    void cmdFinances_Click();
    void cmdSpecial_Click();
    void cmdFinish_Click();
    void Grid2_SelChange();
    void mnuNewGame_Click();
    void mnuMarketOfDay_Click();
    void mnuMarketNumber_Click();
    void mnuExit_Click();
    void mnuHighS_Click();
    void mnuStory_Click();
    void mnuLedger_Click();
    void mnuHowToPlay_Click();
    void mnuAbout_Click();

    const MainTables& Tables() const { return tables_; }
    frmStory* Story() const;
    QDialog* LedgerWindow() const;
    // Takes the ledger's module from `file` instead of the game's own places.
    void SetLedgerModule(const QString& file);
    frmHowToPlay* HowToPlay() const;
    // Where the player is and with what, as a screen reader says it: "Wailey, day 3 of 45. ..."
    QString Whereabouts() const;
    // What the window last told a screen reader without moving the focus.
    QString News() const;

    QLabel* Label1;
    QLabel* lblCash;
    QLabel* Label6;
    QLabel* lblBank;
    QLabel* Label8;
    QLabel* lblDebt;
    SvgPicture* Picture1;
    std::array<TownLabel*, TownCount> lblTown;
    QPushButton* cmdFinish;
    QLabel* lblFavour;
    QToolButton* cmdSpecial;
    QToolButton* cmdBuy;
    QToolButton* cmdSell;
    QToolButton* cmdFinances;
    QLabel* lblJacketSpace;
    QLabel* Label2;
    Grid* Grid1;
    Grid* Grid2;
    QMenu* mnufile;
    QAction* mnuNewGame;
    QAction* mnuMarketOfDay;
    QAction* mnuMarketNumber;
    QAction* mnuExit;
    QMenu* mnuview;
    QAction* mnuHighS;
    QAction* mnuStory;
    QAction* mnuLedger;
    QMenu* mnuhelp;
    QAction* mnuHowToPlay;
    QAction* mnuAbout;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void CreateMenus();
    // Starts an ordinary game, or with a number the market game of that number.
    void StartGame(std::optional<std::uint32_t> market);
    // Starts another game once the player says yes, as New Game does.
    void PlayAfresh(std::optional<std::uint32_t> market);
    // The window's caption for a day's caption: in a market game the market's number beside it.
    QString WindowCaption(const QString& day) const;
    void ColourTowns();
    void CoverMap(bool covered);
    void DescribeGrids();

    // The window's part of a move.
    void MarkTowns(std::int16_t currentTown) override;
    void SuspendMarketRepaint() override;
    void ResumeMarketRepaint() override;
    void ShowDay(std::int16_t day) override;
    void LastDayReached() override;
    // Tells a screen reader what the player did and the money it leaves him.
    void TellDone(const QString& done);

    DeclareVars& vars_;
    Platform& platform_;
    QtSpeech speech_;
    GameServices services_;
    MainTables tables_;
    bool gameIsOver_ = false;
    SpokenNews* news_;
    QShortcut* noJourney_; // the towns' keys while Finish covers them
    QPointer<frmStory> story_;
    LedgerLoader ledgerModule_{LedgerLoader::GameFiles()};
    QPointer<QDialog> ledger_;
    QPointer<frmHowToPlay> howToPlay_;
};

} // namespace dunemark
