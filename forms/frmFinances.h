#pragma once

#include "core/DeclareVars.h"
#include "platform/Platform.h"

#include <QDialog>
#include <cstdint>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace dunemark {

class SpokenNews;
class SvgPicture;

// Cash, bank balance and loan, with deposits, withdrawals and loan payments. Every operation is
// applied at once; OK or the close box only close the window.
class frmFinances : public QDialog {
    Q_OBJECT
public:
    frmFinances(DeclareVars& vars, Platform& platform, QWidget* parent = nullptr);

    void Form_Load();
    void cmdDeposit_Click();
    void cmdWithdraw_Click();
    void cmdPayLoan_Click();
    void cmdOK_Click();

    QGroupBox* Frame1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLineEdit* txtCash;
    QLineEdit* txtBank;
    QLineEdit* txtDebt;
    QPushButton* cmdDeposit;
    QPushButton* cmdWithdraw;
    QPushButton* cmdPayLoan;
    QPushButton* cmdOK;
    SvgPicture* Image2;

private:
    // Shows the amount dialog with the given limit and returns the amount chosen, 0 if none.
    // `question` is what a screen reader asks, with %1 for the limit.
    std::int32_t AskAmount(std::int32_t limit, const QString& question);

    // Tells a screen reader what was done, with the money it leaves.
    void TellDone(const QString& done);

    DeclareVars& vars_;
    Platform& platform_;
    SpokenNews* news_;
};

} // namespace dunemark
