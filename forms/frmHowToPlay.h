#pragma once

#include "core/MainTables.h"

#include <QDialog>

class QTextBrowser;
class QUrl;

namespace dunemark {

class SpokenNews;

// How to play: the rules of the game for players, in sections with a list of contents, every
// figure taken from the rules themselves. A window of its own beside the game, owned by the main
// window; closing it only hides it, so it keeps its size for the rest of the run.
class frmHowToPlay : public QDialog {
    Q_OBJECT
public:
    frmHowToPlay(const MainTables& tables, QWidget* owner);

    // Shows the window beside its owner, as the ledger opens, or brings it to the front when it is
    // open.
    void Open();

    // The whole text as static rich text: every figure is formatted here, nothing typed by the
    // player goes into it.
    static QString RulesHtml(const MainTables& tables);

    QTextBrowser* txtRules;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Puts the caret at the start of the heading an entry of the contents names, and tells it.
    void GoToSection(const QUrl& entry);

    SpokenNews* news_;
};

} // namespace dunemark
