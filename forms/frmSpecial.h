#pragma once

#include "core/DeclareVars.h"
#include "platform/Platform.h"

#include <QDialog>
#include <array>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace dunemark {

class SpokenNews;
struct Refusal;

// "Special items": gifts to the Pharaoh, packs of slaves and the pyramid bank, one panel at a
// time behind a row of three tabs. While open it keeps the main window's favour and cash labels
// up to date; the main window refreshes the rest once it has closed.
class frmSpecial : public QDialog {
    Q_OBJECT
public:
    frmSpecial(DeclareVars& vars, Platform& platform, QLabel* mainFavour, QLabel* mainCash,
               QWidget* parent = nullptr);

    void Form_Load();
    void cmdButton_Click(int Index);
    void OptGift_Click(int Index);
    void cmdGiveGift_Click();
    void CmdIncreaseJacketSize_Click();
    void cmdBuyPyramidBank_Click();
    void cmdOK_Click();

    std::array<QPushButton*, 3> cmdButton{};
    QFrame* Frame1 = nullptr;
    QWidget* picPyramid = nullptr;
    QWidget* picSlaves = nullptr;
    QWidget* picGift = nullptr;

    std::array<QRadioButton*, 5> OptGift{};
    QLabel* lblCost = nullptr;
    QLabel* lblFav = nullptr;
    QLabel* lblCash = nullptr;
    QPushButton* cmdGiveGift = nullptr;
    QWidget* Image3 = nullptr;

    QLineEdit* txtSlaves = nullptr;
    QPushButton* CmdIncreaseJacketSize = nullptr;
    QWidget* Image2 = nullptr;

    QLineEdit* txtPyramidCost = nullptr;
    QPushButton* cmdBuyPyramidBank = nullptr;
    QWidget* Image1 = nullptr;

    QPushButton* cmdOK = nullptr;

private:
    void BuildGiftPanel();
    void BuildSlavesPanel();
    void BuildPyramidPanel();
    void Refuse(const Refusal& refusal);
    QWidget* Panel(int Index) const;
    // Shows the enabled tab `step` places further round.
    void TurnTab(int step);

    DeclareVars& vars_;
    Platform& platform_;
    QLabel* mainFavour_;
    QLabel* mainCash_;
    SpokenNews* news_ = nullptr;
    int shownTab_ = 0;
};

} // namespace dunemark
