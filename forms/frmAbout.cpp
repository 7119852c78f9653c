#include "forms/frmAbout.h"

#include "core/GameServices.h"
#include "core/ProgramVersion.h"
#include "core/VersionText.h"
#include "widgets/Look.h"
#include "widgets/RenderSvg.h"

#include <QCursor>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QTimer>
#include <cmath>

namespace dunemark {

namespace {

const char* const Description = QT_TRANSLATE_NOOP(
    "dunemark::frmAbout", "A trading game. Make as much money as you can before all your days go.");
const char* const Disclaimer = QT_TRANSLATE_NOOP(
    "dunemark::frmAbout", "Use this product at your own risk. Do not blame me if anything goes "
                          "wrong. If you don't agree with this, then stop using this product.");
const QString Publisher = QStringLiteral("Dunemark Games");
const char* const LegalNotice =
    QT_TRANSLATE_NOOP("dunemark::frmAbout", "(C) 2026 the Dunemark authors");
const QString WebAddress = QStringLiteral("https://www.example.org/");
const QString EmailAddress = QStringLiteral("dunemark@example.org");

const QColor CopyrightBlue{80, 80, 255};

constexpr QPoint LogoHome{8, 8};
constexpr int LogoSize = 78;
constexpr int DragInterval = 50;
constexpr int RestInterval = 200;
constexpr int ScrollInterval = 50;
constexpr int DisclaimerTime = 5000;
constexpr double ScrollStep = 0.5;

QPixmap LogoPicture() {
    return RenderSvg(QStringLiteral(":/assets/logo.svg"), {LogoSize, LogoSize}, Qt::transparent);
}

// The pointer over the links: the hand picture with its finger tip as the hot spot.
QCursor LinkCursor() {
    const QPixmap hand = RenderSvg(QStringLiteral(":/assets/hand.svg"), {32, 32}, Qt::transparent);
    return hand.isNull() ? QCursor(Qt::PointingHandCursor) : QCursor(hand, 10, 1);
}

QLabel* MakeLabel(QWidget* parent, const QRect& place, const QFont& font, const QColor& colour,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop) {
    auto* label = new QLabel(parent);
    label->setGeometry(place);
    label->setFont(font);
    label->setAlignment(alignment);
    SetColours(label, colour);
    return label;
}

// A face with one more style switched on: With(font, &QFont::setBold).
QFont With(QFont font, void (QFont::*style)(bool)) {
    (font.*style)(true);
    return font;
}

} // namespace

frmAbout::frmAbout(LinkOpener& links, QWidget* parent)
    : QDialog(parent)
    , links_(links) {
    setWindowTitle(tr("About"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(312, 213);
    setFont(SansSerif());
    SetColours(this, colours::Black, colours::Yellow);
    BuildControls();
    Form_Load();
    StartTimers();
}

void frmAbout::BuildControls() {
    // Made from the back to the front: the decorations lie under everything, the logo over it.
    Shape1 = new QFrame(this);
    Shape1->setGeometry(4, 4, 86, 86);
    Shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
    SetColours(Shape1, colours::Red);
    Line1 = new QFrame(this);
    Line1->setGeometry(0, 192, 312, 1);
    SetColours(Line1, colours::Blue, colours::Blue);

    lblTit = MakeLabel(this, {96, 0, 217, 37}, With(ArialBlack(18), &QFont::setUnderline),
                       colours::Red, Qt::AlignHCenter | Qt::AlignTop);
    lblVersion = MakeLabel(this, {104, 32, 209, 16}, Arial(9.75), colours::Black,
                           Qt::AlignHCenter | Qt::AlignTop);
    picCont = new QWidget(this);
    picCont->setGeometry(104, 48, 217, 121);
    lblComments =
        MakeLabel(picCont, {8, 0, 198, 0}, font(), colours::Black, Qt::AlignHCenter | Qt::AlignTop);
    lblComments->setWordWrap(true);
    lblDisc = MakeLabel(this, {8, 104, 89, 89}, Arial(6.75), colours::Red);
    lblDisc->setWordWrap(true);
    lblDisc->setText(tr(Disclaimer));
    Label3 =
        MakeLabel(this, {4, 88, 93, 13}, With(Arial(7.5, true), &QFont::setItalic), colours::Blue);
    Label3->setText(Publisher);
    lblCopyright =
        MakeLabel(this, {96, 176, 216, 13}, With(font(), &QFont::setBold), colours::Black);
    lblWeb = MakeLabel(this, {0, 195, 136, 16}, With(font(), &QFont::setUnderline), colours::Blue);
    lblWeb->setText(WebAddress);
    lblEmail = MakeLabel(this, {155, 195, 157, 16}, font(), colours::Blue);
    const QCursor pointer = LinkCursor();
    lblWeb->setCursor(pointer);
    lblEmail->setCursor(pointer);

    imgLogo = new QLabel(this);
    imgLogo->setGeometry(QRect(LogoHome, QSize(LogoSize, LogoSize)));
    imgLogo->setScaledContents(true);
    imgLogo->setPixmap(LogoPicture());

    for (QLabel* control : {imgLogo, lblWeb, lblEmail})
        control->installEventFilter(this);
    // Tab reaches the links and Enter or Space opens them; the window itself holds the focus
    // at first, so Enter on opening opens nothing.
    for (QLabel* link : {lblWeb, lblEmail})
        link->setFocusPolicy(Qt::TabFocus);
    setFocus();
    lblWeb->setAccessibleDescription(tr("Opens the web page"));
    lblEmail->setAccessibleDescription(tr("Writes an e-mail to the author"));

    Timer1 = new QTimer(this);
    tmrScroll = new QTimer(this);
    tmrHideDisc = new QTimer(this);
    connect(Timer1, &QTimer::timeout, this, &frmAbout::Timer1_Timer);
    connect(tmrScroll, &QTimer::timeout, this, &frmAbout::tmrScroll_Timer);
    connect(tmrHideDisc, &QTimer::timeout, this, &frmAbout::tmrHideDisc_Timer);
    connect(this, &QDialog::finished, this, &frmAbout::StopTimers);
}

void frmAbout::Form_Load() {
    ShowTitle(QString::fromUtf8(AppTitle.data(), static_cast<qsizetype>(AppTitle.size())));
    lblVersion->setText(
        QString::fromStdString(VersionText(VersionMajor, VersionMinor, VersionRevision)));
    lblComments->setText(tr(Description));
    FitComments();
    lblCopyright->setText(tr(LegalNotice));
    lblEmail->setText(EmailAddress);
    SetColours(lblVersion, colours::Blue);
    SetColours(lblCopyright, CopyrightBlue);
    SetColours(picCont, colours::Black, palette().color(QPalette::Window));
}

void frmAbout::StartTimers() {
    Timer1->start(RestInterval);
    tmrScroll->start(ScrollInterval);
    tmrHideDisc->start(DisclaimerTime);
}

void frmAbout::StopTimers() {
    Timer1->stop();
    tmrScroll->stop();
    tmrHideDisc->stop();
}

void frmAbout::ShowTitle(const QString& title) {
    lblTit->setText(title);
    lblTit->resize(lblTit->sizeHint());
    if (lblTit->width() > lblComments->width())
        lblTit->setGeometry(0, lblTit->y(), frameGeometry().width(), lblTit->height());
}

void frmAbout::FitComments() {
    lblComments->resize(lblComments->width(), lblComments->heightForWidth(lblComments->width()));
}

void frmAbout::imgLogo_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift) {
    lblDisc->setVisible(lblDisc->isHidden());
    const auto shiftKeys =
        shift & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (button == Qt::LeftButton && shiftKeys == Qt::ControlModifier)
        DragLogo = true;
}

void frmAbout::imgLogo_MouseUp(Qt::MouseButton, Qt::KeyboardModifiers) {
    DragLogo = false;
    Timer1->setInterval(RestInterval);
}

void frmAbout::Timer1_Timer() {
    Timer1->setInterval(DragInterval);
    // The pointer as the logo last saw it while pressed, within the window: no desktop need say
    // where on the screen it is. Measured from the window's outer corner, so the dragged logo
    // sits off the pointer by the frame and the title bar.
    CursorPos = pointer_;
    const QPoint m = CursorPos + (geometry().topLeft() - frameGeometry().topLeft());
    if (DragLogo)
        imgLogo->move(m.x() - imgLogo->width() / 2, m.y() - imgLogo->height() / 2);
    else
        imgLogo->move(LogoHome);
}

void frmAbout::tmrScroll_Timer() {
    FitComments();
    const int height = lblComments->height();
    if (height <= picCont->height())
        return;
    commentsTop_ -= ScrollStep;
    // Once it has left the box at the top it comes in again from below.
    if (commentsTop_ <= -height)
        commentsTop_ = picCont->height() + 2;
    lblComments->move(lblComments->x(), static_cast<int>(std::floor(commentsTop_)));
}

void frmAbout::tmrHideDisc_Timer() {
    lblDisc->hide();
    tmrHideDisc->stop();
}

void frmAbout::lblWeb_Click() {
    links_.Open(WebAddress.toStdString());
}

void frmAbout::lblEmail_Click() {
    links_.Open("mailto:" + EmailAddress.toStdString());
}

bool frmAbout::LinkKeyEvent(QLabel* link, QEvent* event) {
    switch (event->type()) {
    case QEvent::FocusIn:
        // Outlined while the keyboard is on it, as a button shows its focus.
        if (window()->testAttribute(Qt::WA_KeyboardFocusChange))
            link->setFrameStyle(QFrame::Box | QFrame::Plain);
        return false;
    case QEvent::FocusOut:
        link->setFrameStyle(QFrame::NoFrame);
        return false;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space)
            return false;
        if (link == lblWeb)
            lblWeb_Click();
        else
            lblEmail_Click();
        return true;
    }
    default:
        return false;
    }
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == lblWeb || watched == lblEmail) &&
        LinkKeyEvent(static_cast<QLabel*>(watched), event))
        return true;
    const auto type = event->type();
    if (watched == imgLogo && (type == QEvent::MouseMove || type == QEvent::MouseButtonPress))
        pointer_ = imgLogo->mapTo(this, static_cast<QMouseEvent*>(event)->position().toPoint());
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
        type != QEvent::MouseButtonRelease)
        return QDialog::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (watched == imgLogo) {
        // The second press of a double click is a press like any other.
        if (type == QEvent::MouseButtonRelease)
            imgLogo_MouseUp(mouse->button(), mouse->modifiers());
        else
            imgLogo_MouseDown(mouse->button(), mouse->modifiers());
        return true;
    }
    // A link is clicked when the left button is let go over the link it was pressed on.
    const auto* link = static_cast<QWidget*>(watched);
    if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton &&
        link->rect().contains(mouse->position().toPoint())) {
        if (link == lblWeb)
            lblWeb_Click();
        else
            lblEmail_Click();
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace dunemark
