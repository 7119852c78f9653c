#include "forms/frmHowToPlay.h"

#include "platform/qt/CentreOver.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QScreen>
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
    txtRules->setHtml(RulesHtml(tables));

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

void frmHowToPlay::Open() {
    if (!isVisible()) {
        if (parentWidget())
            PlaceBeside(*this, *parentWidget());
        txtRules->setFocus();
    }
    BringToFront(*this);
}

} // namespace dunemark
