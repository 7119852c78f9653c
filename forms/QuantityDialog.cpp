#include "forms/QuantityDialog.h"

#include "core/NumberText.h"
#include "screenreader/SpokenNews.h"
#include "widgets/Look.h"
#include "widgets/NumberBox.h"
#include "widgets/NumberEdit.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace dunemark {

namespace {

// The player can type at most this many characters into the box.
constexpr int TypedLength = 4;

} // namespace

QuantityDialog::QuantityDialog(const QString& question, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
    , Frame1(new QGroupBox(this))
    , Label2(new QLabel(question, Frame1))
    , txtQuantity(new NumberEdit(Frame1))
    , lblInfo(new QLabel(Frame1))
    , cmdOK(new QPushButton(tr("OK"), this))
    , cmdCancel(new QPushButton(tr("Cancel"), this)) {
    setModal(true);
    setFont(SansSerif());
    setFixedSize(Px(4455), Px(2025));

    Frame1->setGeometry(TwipsRect(120, 60, 4215, 1320));
    Label2->setGeometry(TwipsRect(180, 330, 2610, 255));
    txtQuantity->setGeometry(TwipsRect(2880, 270, 1095, 330));
    txtQuantity->setMaxLength(TypedLength);
    Label2->setBuddy(txtQuantity); // names the box for a screen reader
    lblInfo->setGeometry(TwipsRect(180, 750, 3855, 450));
    lblInfo->setWordWrap(true);
    lblInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    cmdOK->setGeometry(TwipsRect(1920, 1530, 1125, 375));
    cmdOK->setDefault(true);
    cmdCancel->setGeometry(TwipsRect(3210, 1530, 1125, 375));
    cmdCancel->setAutoDefault(false);
    connect(cmdCancel, &QPushButton::clicked, this, &QuantityDialog::cmdCancel_Click);

    txtQuantity->setFocus();
}

void QuantityDialog::cmdCancel_Click() {
    reject();
}

void QuantityDialog::ProposeQuantity(double quantity) {
    txtQuantity->setText(Plain(quantity));
    txtQuantity->selectAll();
}

void QuantityDialog::KeepQuantityWithin(double limit) {
    const QString text = QString::fromStdString(
        NumberBoxText(txtQuantity->text().toStdString(), limit, LimitCheck::WholePart));
    // Only typing is held to four characters: a pasted fraction may be written out longer
    // (".125" becomes "0.125"), and the box keeps it whole. Once the text is short again, so is
    // the room. The room never shrinks below the text, which would cut it.
    const int room = std::max(TypedLength, static_cast<int>(text.size()));
    if (room > txtQuantity->maxLength())
        SetRoom(room);
    RewriteNumberBox(txtQuantity, text);
    if (room < txtQuantity->maxLength())
        SetRoom(room);
}

void QuantityDialog::TellPrice(std::int32_t price) {
    txtQuantity->setAccessibleDescription(tr("%1 each").arg(SpokenMoney(price)));
}

double QuantityDialog::Quantity() const {
    return LeadingNumber(txtQuantity->text().toStdString());
}

void QuantityDialog::SetRoom(int room) {
    // Changing the room moves the caret to the end; put it and the selection back.
    const int caret = txtQuantity->cursorPosition();
    const int start = txtQuantity->selectionStart();
    const int selected = txtQuantity->selectionLength();
    txtQuantity->setMaxLength(room);
    if (selected > 0 && caret == start)
        txtQuantity->setSelection(start + selected, -selected);
    else if (selected > 0)
        txtQuantity->setSelection(start, selected);
    else
        txtQuantity->setCursorPosition(caret);
}

} // namespace dunemark
