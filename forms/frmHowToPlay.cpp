#include "forms/frmHowToPlay.h"

#include "platform/qt/CentreOver.h"
#include "screenreader/SpokenNews.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace dunemark {

frmHowToPlay::frmHowToPlay(const MainTables& tables, QWidget* owner)
    : QDialog(owner) {
    setWindowTitle(tr("How to Play"));
    txtRules = new QTextBrowser(this);
    txtRules->setAccessibleName(tr("How to play"));
    // Read with the keyboard as well as the mouse: a caret to select and copy with, and the
    // list of contents reached by Tab.
    txtRules->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    txtRules->setOpenExternalLinks(false);
    txtRules->setOpenLinks(false);
    txtRules->setHtml(RulesHtml(tables));
    // An entry of the contents reached by Tab is told, as a screen reader does not; following
    // one takes the caret, and with it the reader, to its section's heading.
    news_ = new SpokenNews(this);
    txtRules->installEventFilter(this);
    connect(txtRules, &QTextBrowser::anchorClicked, this, &frmHowToPlay::GoToSection);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtRules);
    layout->addWidget(buttons);

    // Room for a section at a time, but never more than the screen the game is on.
    QSize size(620, 680);
    if (const QScreen* screen = owner ? owner->screen() : this->screen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    resize(size);
}

bool frmHowToPlay::eventFilter(QObject* watched, QEvent* event) {
    // Qt selects the entry Tab reaches without a word to anyone: once the key is done with, the
    // entry the caret now holds is told.
    if (watched == txtRules && event->type() == QEvent::KeyRelease &&
        QList{Qt::Key_Tab, Qt::Key_Backtab}.contains(static_cast<QKeyEvent*>(event)->key())) {
        const QTextCursor entry = txtRules->textCursor();
        if (entry.hasSelection() && entry.charFormat().isAnchor())
            news_->Tell(entry.selectedText());
    }
    return QDialog::eventFilter(watched, event);
}

void frmHowToPlay::GoToSection(const QUrl& entry) {
    for (QTextBlock block = txtRules->document()->begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            if (fragment.fragment().charFormat().anchorNames().contains(entry.fragment())) {
                txtRules->setTextCursor(QTextCursor(block));
                txtRules->scrollToAnchor(entry.fragment());
                news_->Tell(block.text()); // Orca is silent on a caret it did not move
                return;
            }
        }
    }
}

void frmHowToPlay::Open() {
    if (!isVisible()) {
        if (parentWidget())
            PlaceBeside(*this, *parentWidget());
        txtRules->setFocus();
    }
    BringToFront(*this);
}

} // namespace dunemark
