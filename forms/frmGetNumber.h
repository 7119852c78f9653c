#pragma once

#include "core/DeclareVars.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace dunemark {

class SpokenNews;
class SvgPicture;

// Asks for an amount of money from 0 to AmountLimit. OK hands the whole amount back in
// AmountEntered, Cancel or Escape hand back 0, and the close box leaves it as the caller set it.
class frmGetNumber : public QDialog {
    Q_OBJECT
public:
    frmGetNumber(DeclareVars& vars, QWidget* parent = nullptr);

    void setVisible(bool visible) override;

    void Form_Load();
    void txtMoney_Change();
    void cmdOK_Click();
    void cmdCancel_Click();

    QLabel* Label1;
    QLineEdit* txtMoney;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    SvgPicture* Image1;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* box, QEvent* event) override;

private:
    DeclareVars& vars_;
    SpokenNews* news_;
    bool proposed_ = true; // the box holds the amount proposed, untouched by the player
};

} // namespace dunemark
