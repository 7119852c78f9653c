#pragma once

#include "MainWindowInvariants.h"
#include "PlatformDoubles.h"
#include "core/DeclareVars.h"

#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

class QAbstractButton;
class QDialog;
class QLineEdit;
class QWidget;

namespace dunemark {

class Grid;
class QuantityDialog;
class frmFinances;
class frmGetNumber;
class frmMain;
class frmSpecial;

// A careless player on a real main window: travels, trades, pays and withdraws, buys special
// products, starts new games and looks at the menus, typing and pasting anything into the
// dialogs and leaving them by any way out, answering every message box at random. Every chance,
// the game's own draws included, comes from one generator seeded by the caller, so a game can
// be played again exactly.
class RandomPlayer {
public:
    explicit RandomPlayer(std::uint32_t seed);
    ~RandomPlayer();

    // Does one thing a player can do now and names it.
    std::string Act();

    const DeclareVars& Vars() const { return vars_; }
    const frmMain& Window() const { return *window_; }
    const PlayerView& Seen() const { return seen_; }
    // Rules broken inside an action that the state afterwards cannot show: money that the
    // finances window made or lost.
    const std::vector<std::string>& Faults() const { return faults_; }

private:
    // The player's actions.
    void Travel();
    void Buy();
    void Sell();
    void PickHolding();
    void Finances();
    void Special();
    void Finish();
    void NewGame();
    void Menu();

    // The player inside the dialogs.
    void PlayDialog(QDialog& dialog);
    void AnswerQuantity(QuantityDialog& dialog);
    void UseFinances(frmFinances& dialog);
    void AnswerAmount(frmGetNumber& dialog);
    void UseSpecial(frmSpecial& dialog);
    void Leave(QDialog& dialog, QAbstractButton* ok, QAbstractButton* cancel);
    void Fill(QLineEdit& box);
    void OnMessage(const ShownMessage& message);

    // The player's hands.
    void Press(QAbstractButton* button);
    void ClickWhatIsOver(QWidget& widget);
    bool PickRow(Grid& grid, int row = 0);
    int FilledRow();
    std::string AnyText();

    int Pick(int low, int high);
    bool OneIn(int n);
    void FreshDraws();
    void MaybeStartRich();

    std::mt19937 chance_;
    PlatformDoubles doubles_;
    DeclareVars vars_;
    std::unique_ptr<frmMain> window_;
    PlayerView seen_;
    bool finishing_ = false;
    bool newGameAccepted_ = false;
    std::vector<std::string> faults_;
};

} // namespace dunemark
