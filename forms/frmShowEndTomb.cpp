#include "forms/frmShowEndTomb.h"

#include "screenreader/SpokenNews.h"
#include "widgets/FitLabel.h"
#include "widgets/Look.h"
#include "widgets/RenderSvg.h"
#include "widgets/Speech.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

namespace dunemark {

namespace {

const QSize PictureSize{320, 240};
const QColor LightYellow{255, 255, 128};
const QColor Olive{192, 192, 0};
constexpr int Margin = 8;
constexpr int CaptionHeight = 25;
constexpr int StoryMargin = 8; // the story keeps clear of the picture's left and top edges

// A click as the player means it: the left button let go over the control it was pressed on.
bool IsClick(const QWidget* widget, const QEvent* event) {
    if (event->type() != QEvent::MouseButtonRelease)
        return false;
    const auto* mouse = static_cast<const QMouseEvent*>(event);
    return mouse->button() == Qt::LeftButton &&
           widget->rect().contains(mouse->position().toPoint());
}

} // namespace

frmShowEndTomb::frmShowEndTomb(DeclareVars& vars, QWidget* parent)
    : QDialog(parent)
    , vars_(vars) {
    setWindowTitle(tr("What happened to you?"));
    // On a dark desktop the frame round the panels takes their colour, not the desktop's.
    if (IsDark(palette())) {
        QPalette frame = palette();
        frame.setColor(QPalette::Window, LightYellow);
        setPalette(frame);
    }

    picTomb = new QLabel(this);
    picTomb->setGeometry(QRect(QPoint(Margin, Margin), PictureSize));
    SetColours(picTomb, colours::Black, LightYellow);

    lblPoor = new QLabel(picTomb);
    lblPoor->setGeometry(StoryMargin, StoryMargin, PictureSize.width() - StoryMargin,
                         PictureSize.height() - StoryMargin);
    lblPoor->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblPoor->setWordWrap(true);
    QFont storyFont = NarrowSans(12);
    storyFont.setBold(true);
    storyFont.setItalic(true);
    lblPoor->setFont(storyFont);

    lblCaption = new FitLabel(this);
    lblCaption->setGeometry(Margin, Margin + PictureSize.height() + 4, PictureSize.width(),
                            CaptionHeight);
    lblCaption->setFrameStyle(QFrame::Box | QFrame::Plain);
    lblCaption->setAlignment(Qt::AlignCenter);
    QFont captionFont = NarrowSans(11.25);
    captionFont.setBold(true);
    lblCaption->setFont(captionFont);
    SetColours(lblCaption, colours::Black, Olive);

    for (QLabel* label : {picTomb, lblPoor, lblCaption}) {
        label->setTextFormat(Qt::PlainText);
        label->installEventFilter(this);
    }
    picTomb->setAccessibleName(tr("Your burial place"));

    SetHeight(lblCaption->geometry().bottom() + 1 + Margin);

    Form_Load();
}

void frmShowEndTomb::SetHeight(int height) {
    setFixedSize(PictureSize.width() + 2 * Margin, height);
    if (const QScreen* shown = screen())
        move(shown->availableGeometry().center() - rect().center());
}

QString frmShowEndTomb::TombPicturePath(int rank) {
    return QStringLiteral(":/assets/tomb%1.svg").arg(rank);
}

void frmShowEndTomb::Form_Load() {
    lblPoor->setText(Say(DesertStory()));
    FitLabel::FitWrapped(*lblPoor, lblPoor->font());
    lblPoor->hide();
    for (int rank = 0; rank < BurialRanks; ++rank)
        Caption[static_cast<std::size_t>(rank)] = Say(BurialCaption(rank));

    BurialRank = dunemark::BurialRank(vars_.FinalScore);
    if (BurialRank == DesertRank) {
        lblPoor->show();
    } else {
        // Without its picture the rank still shows its caption over the empty area.
        const QPixmap picture = RenderSvg(TombPicturePath(BurialRank), PictureSize, LightYellow);
        if (!picture.isNull())
            picTomb->setPixmap(picture);
    }
    lblCaption->setText(Caption[static_cast<std::size_t>(BurialRank)]);
}

QString frmShowEndTomb::ResultLine(std::uint32_t market, std::int32_t total, int days) {
    // One whole sentence per rank, so that every language can word each its own way.
    static const std::array<const char*, BurialRanks> lines{
        QT_TR_N_NOOP("Dunemark, market %1: %2 in %n days, buried next to the Gods"),
        QT_TR_N_NOOP("Dunemark, market %1: %2 in %n days, buried among the Pharaohs"),
        QT_TR_N_NOOP("Dunemark, market %1: %2 in %n days, given a burial fit for a nobleman"),
        QT_TR_N_NOOP("Dunemark, market %1: %2 in %n days, buried with the common folk"),
        QT_TR_N_NOOP("Dunemark, market %1: %2 in %n days, buried in a hole in the desert"),
        QT_TR_N_NOOP("Dunemark, market %1: %2 in %n days, tossed into the desert"),
    };
    // The number names the market and stays in plain digits; the total is written as the
    // player's language writes sums, 0 included; the days are a count, in the form it calls for.
    return tr(lines[static_cast<std::size_t>(dunemark::BurialRank(total))], nullptr, days)
        .arg(market)
        .arg(QLocale().toString(total));
}

void frmShowEndTomb::OfferResultLine(std::uint32_t market, int days, Clipboard& clipboard) {
    resultLine_ = ResultLine(market, vars_.FinalScore, days);
    clipboard_ = &clipboard;
    if (!cmdCopy) {
        cmdCopy = new QPushButton(tr("&Copy Result"), this);
        // The window keeps the focus, so Enter, Space and Escape still close it; Tab reaches the
        // button, and its letter or a click copies.
        cmdCopy->setAutoDefault(false);
        setFocusPolicy(Qt::StrongFocus);
        setFocus();
        cmdCopy->setGeometry(Margin, lblCaption->geometry().bottom() + 1 + Margin,
                             PictureSize.width(), cmdCopy->sizeHint().height());
        connect(cmdCopy, &QPushButton::clicked, this, &frmShowEndTomb::cmdCopy_Click);
        news_ = new SpokenNews(this);
        SetHeight(cmdCopy->geometry().bottom() + 1 + Margin);
    }
    cmdCopy->setToolTip(resultLine_);
    cmdCopy->setAccessibleDescription(resultLine_);
}

void frmShowEndTomb::cmdCopy_Click() {
    clipboard_->Copy(resultLine_.toStdString());
    cmdCopy->setText(tr("Copied"));
    news_->Tell(cmdCopy->text());
}

void frmShowEndTomb::lblCaption_Click() {
    close();
}

void frmShowEndTomb::lblPoor_Click() {
    close();
}

void frmShowEndTomb::picTomb_Click() {
    close();
}

void frmShowEndTomb::keyPressEvent(QKeyEvent* event) {
    // From the keyboard, the keys that would press a button close it as a click does.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Escape:
        close();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

bool frmShowEndTomb::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblCaption && IsClick(lblCaption, event)) {
        lblCaption_Click();
        return true;
    }
    if (watched == lblPoor && IsClick(lblPoor, event)) {
        lblPoor_Click();
        return true;
    }
    if (watched == picTomb && IsClick(picTomb, event)) {
        picTomb_Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace dunemark
