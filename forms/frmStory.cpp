#include "forms/frmStory.h"

#include "widgets/FitLabel.h"
#include "widgets/Look.h"
#include "widgets/SvgPicture.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <algorithm>

namespace dunemark {

namespace {
constexpr int Width = 248;
constexpr int Height = 235;
} // namespace

frmStory::frmStory(std::function<void()> showMain, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint)
    , showMain_(std::move(showMain)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Story"));
    setFixedSize(Width, Height);
    SetColours(this, colours::Black, QColor(255, 255, 192));

    Image2 = new SvgPicture(QStringLiteral(":/assets/parchment.svg"), this);
    Image2->setGeometry(0, 0, Width, Height);
    lblStory = new QLabel(this);
    lblStory->setGeometry(16, 32, 209, 169);
    lblStory->setWordWrap(true);
    lblStory->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont font = NarrowSans(9.75);
    font.setItalic(true);
    lblStory->setFont(font);
    // The text takes the focus once it is on the screen (see TakeTheFocus), so that a label able
    // to hold the focus, which lays its text out a second time as a document, costs the first
    // frame nothing.
    setFocusProxy(lblStory);
    Image2->installEventFilter(this);
    lblStory->installEventFilter(this);

    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                    QGuiApplication::primaryScreen()->availableGeometry()));
    Form_Load();
}

QString frmStory::StoryText() {
    return tr("You have been sentenced to death. After you pleaded with the pharoah, that you have "
              "no tomb, and hence will be unable to enter the afterlife. He agrees to grant you "
              "some money, a loan (for your bail), and 2 months, to make as much money as you "
              "can, from trading items. The amount of money you make, will decide where you get "
              "buried\r\n\r\nGood Luck !");
}

void frmStory::Form_Load() {
    // A label breaks lines at the line feed alone.
    lblStory->setText(StoryText().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    // Whole in any language and whatever faces the system has.
    FitLabel::FitWrapped(*lblStory, lblStory->font());
}

void frmStory::CloseStory() {
    // The main window comes up before the story goes, so the program never finds itself
    // without a window in between.
    if (showMain_)
        showMain_();
    close();
}

bool frmStory::TypesCharacter(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Backspace:
        return true;
    default:
        break;
    }
    // Letters, digits, punctuation and space; Tab and Delete bring only a control character.
    const QString text = event.text();
    return !text.isEmpty() &&
           std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.isPrint(); });
}

void frmStory::keyPressEvent(QKeyEvent* event) {
    // Keys that type a character dismiss the story; arrows, function keys, Shift, Tab and
    // Delete do not.
    if (TypesCharacter(*event))
        CloseStory();
    else
        QWidget::keyPressEvent(event);
}

void frmStory::mouseReleaseEvent(QMouseEvent* event) {
    if (rect().contains(event->position().toPoint()))
        Form_Click();
}

void frmStory::TakeTheFocus() {
    // The text holds the focus, so a screen reader reads the story itself, not just the title;
    // the keys it does not take come on to the window. Before this the keys go to the window.
    lblStory->setFocusPolicy(Qt::StrongFocus);
    lblStory->setFocus(Qt::OtherFocusReason);
}

bool frmStory::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblStory && event->type() == QEvent::Paint && !focusAsked_) {
        focusAsked_ = true;
        QMetaObject::invokeMethod(this, &frmStory::TakeTheFocus, Qt::QueuedConnection);
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == lblStory)
            lblStory_Click();
        else if (watched == Image2)
            Image2_Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace dunemark
