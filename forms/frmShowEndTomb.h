#pragma once

#include "core/Burial.h"
#include "core/DeclareVars.h"

#include <QDialog>
#include <array>

class QLabel;

namespace dunemark {

// "What happened to you?": where the player is buried, by the final total. A picture for the
// five upper ranks, the desert story for the lowest. A click on the picture, the story or the
// caption closes it.
class frmShowEndTomb : public QDialog {
    Q_OBJECT
public:
    explicit frmShowEndTomb(DeclareVars& vars, QWidget* parent = nullptr);

    void Form_Load();
    void lblCaption_Click();
    void lblPoor_Click();
    void picTomb_Click();

    // The picture of a rank (0 to 4), a resource of the program.
    static QString TombPicturePath(int rank);

    QLabel* picTomb;
    QLabel* lblPoor;
    QLabel* lblCaption;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    DeclareVars& vars_;
    std::array<QString, BurialRanks> Caption;
    int BurialRank = DesertRank;
};

} // namespace dunemark
