#pragma once

#include "core/Burial.h"
#include "core/DeclareVars.h"
#include "platform/Clipboard.h"

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;

namespace dunemark {

class SpokenNews;

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
    void cmdCopy_Click();

    // At the end of a market game: a button below the caption copies the game's result line to
    // the clipboard, for the player to paste to others.
    void OfferResultLine(std::uint32_t market, int days, Clipboard& clipboard);
    // One line that says how a market game went, in the player's language and nothing personal:
    // "Dunemark, market 20261207: 1,234,567 in 45 days, buried among the Pharaohs".
    static QString ResultLine(std::uint32_t market, std::int32_t total, int days);

    // The picture of a rank (0 to 4), a resource of the program.
    static QString TombPicturePath(int rank);

    QLabel* picTomb;
    QLabel* lblPoor;
    QLabel* lblCaption;
    QPushButton* cmdCopy = nullptr; // only at the end of a market game

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Gives the window its height, its width being the picture's, and centres it on the screen.
    void SetHeight(int height);

    DeclareVars& vars_;
    std::array<QString, BurialRanks> Caption;
    int BurialRank = DesertRank;
    QString resultLine_;
    Clipboard* clipboard_ = nullptr;
    SpokenNews* news_ = nullptr; // tells a screen reader that the line was copied
};

} // namespace dunemark
