#pragma once

#include "core/DeclareVars.h"
#include "platform/Platform.h"
#include "scores/HighScoreTable.h"

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;

namespace dunemark {

// "Highscores": the ten best totals over a background picture. Each opening loads the table,
// offers the game's final total to it (asking the player's name before the window shows when it
// enters) and shows the result.
class frmHighScores : public QDialog {
    Q_OBJECT
public:
    frmHighScores(DeclareVars& vars, Platform& platform, QWidget* parent = nullptr);

    void Form_Load();
    void cmdHideScores_Click();

    // The colours of row r (0 to 9) of each column, a step darker for every lower row.
    static QColor HighNumColour(int row);
    static QColor HighNameColour(int row);
    static QColor HighDateColour(int row);
    static QColor HighTimeColour(int row);

    QLabel* imgHighScores;
    QLabel* Label1;
    using Column = std::array<QLabel*, HighScorePlaces>;
    Column lblHighNum{};
    Column lblHighName{};
    Column lblHighDate{};
    Column lblHighTime{};
    QPushButton* cmdHideScores;

private:
    void ColourRow(int r);
    void ShowScores();
    QString FileBehind(SaveResult why) const;
    void Tell(const QString& text);
    void TellNotSaved(SaveResult why);
    void TellNotRead(SaveResult why);

    DeclareVars& vars_;
    Platform& platform_;
    HighScoreTable table_;
};

} // namespace dunemark
