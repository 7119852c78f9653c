#include "forms/frmGetNumber.h"

#include "core/NumberText.h"
#include "core/Saturate.h"
#include "screenreader/SpokenNews.h"
#include "widgets/Look.h"
#include "widgets/NumberBox.h"
#include "widgets/NumberEdit.h"
#include "widgets/ScreenReader.h"
#include "widgets/SvgPicture.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

namespace dunemark {

frmGetNumber::frmGetNumber(DeclareVars& vars, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
    , Label1(new QLabel(tr("How much:"), this))
    , txtMoney(new NumberEdit(this))
    , cmdOK(new QPushButton(tr("OK"), this))
    , cmdCancel(new QPushButton(tr("Cancel"), this))
    , Image1(new SvgPicture(QStringLiteral(":/assets/amount_deco.svg"), this))
    , vars_(vars)
    , news_(new SpokenNews(this)) {
    setWindowTitle(tr("Financial situation"));
    setFont(SansSerif());
    setFixedSize(250, 96);
    Label1->setGeometry(12, 16, 60, 21);
    txtMoney->setGeometry(76, 16, 162, 21);
    Label1->setBuddy(txtMoney); // names the box for a screen reader
    Image1->setGeometry(12, 56, 70, 30);
    cmdOK->setGeometry(98, 58, 66, 25);
    cmdCancel->setGeometry(172, 58, 66, 25);
    cmdOK->setDefault(true);

    connect(txtMoney, &QLineEdit::textChanged, this, &frmGetNumber::txtMoney_Change);
    connect(txtMoney, &QLineEdit::textEdited, this, [this] { proposed_ = false; });
    txtMoney->installEventFilter(this);
    connect(cmdOK, &QPushButton::clicked, this, &frmGetNumber::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmGetNumber::cmdCancel_Click);
    Form_Load();
}

void frmGetNumber::Form_Load() {
    txtMoney->setText(Plain(vars_.AmountLimit));
    txtMoney->setFocus();
}

void frmGetNumber::setVisible(bool visible) {
    QDialog::setVisible(visible);
    // Showing a dialog hands the focus to the box as if tabbed to, which selects its text; the
    // amount is proposed, not selected.
    if (visible)
        txtMoney->deselect();
}

void frmGetNumber::txtMoney_Change() {
    const QString typed = txtMoney->text();
    const QString valid = QString::fromStdString(
        NumberBoxText(typed.toStdString(), vars_.AmountLimit, LimitCheck::Exact));
    RewriteNumberBox(txtMoney, valid);
    // The player who cannot see the box rewritten hears what it holds now, and why.
    if (valid != typed)
        //: Spoken when the amount box has rewritten what was typed: %1 what it holds, %2 the most.
        news_->Tell(tr("The box holds %1: at most %2.")
                        .arg(SpokenMoney(LeadingNumber(valid.toStdString())),
                             SpokenMoney(vars_.AmountLimit)));
}

bool frmGetNumber::eventFilter(QObject* box, QEvent* event) {
    // The amount is proposed unselected, so a key typed adds to it. A player who hears the box
    // but cannot see where the caret stands types an amount of his own: it takes the place of
    // the proposal, untouched until then.
    if (box == txtMoney && event->type() == QEvent::KeyPress && proposed_ && ScreenReaderOn()) {
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (!typed.isEmpty() && typed.at(0).isPrint() && !typed.at(0).isSpace())
            txtMoney->selectAll();
    }
    return QDialog::eventFilter(box, event);
}

void frmGetNumber::cmdOK_Click() {
    vars_.AmountEntered = SaturateInt32(std::floor(LeadingNumber(txtMoney->text().toStdString())));
    accept();
}

void frmGetNumber::cmdCancel_Click() {
    vars_.AmountEntered = 0;
    reject();
}

void frmGetNumber::keyPressEvent(QKeyEvent* event) {
    // Escape is Cancel; only the close box leaves the caller's amount alone.
    if (event->matches(QKeySequence::Cancel)) {
        cmdCancel_Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace dunemark
