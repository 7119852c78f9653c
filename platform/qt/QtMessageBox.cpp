#include "platform/qt/QtMessageBox.h"

#include "platform/qt/CentreOver.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QScreen>
#include <algorithm>

namespace dunemark {

namespace {

// The widest a line of a message stands whole, in pixels of the desktop's scale, and at most
// this share of the screen's width.
constexpr int OneLineWidth = 500;
constexpr double OneLineShare = 0.7;

QMessageBox::Icon ToQt(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// The window that asks: the dialog open over the game, or else the game's main window. Every
// dialog of the game is modal, so only the topmost one can ask.
QWidget* AskingWindow() {
    if (QWidget* dialog = QApplication::activeModalWidget())
        return dialog;
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto main = std::find_if(windows.cbegin(), windows.cend(), [](const QWidget* window) {
        return window->isVisible() && qobject_cast<const QMainWindow*>(window);
    });
    return main != windows.cend() ? *main : QApplication::activeWindow();
}

// The text width at which each line of `text` stands whole when it fits in `oneLine`, and
// breaks once otherwise, into two lines of about equal length.
int LineWidth(const QFontMetrics& metrics, const QStringList& lines, int oneLine) {
    int widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    if (widest <= oneLine)
        return widest;
    const auto fitsInTwo = [&](int width) {
        return std::all_of(lines.cbegin(), lines.cend(), [&](const QString& line) {
            const QRect room(0, 0, width, 100 * metrics.lineSpacing());
            return metrics.boundingRect(room, Qt::TextWordWrap, line).height() <=
                   2 * metrics.lineSpacing();
        });
    };
    int width = (widest + 1) / 2;
    while (width < widest && !fitsInTwo(width))
        width += metrics.averageCharWidth();
    return std::min(width, widest);
}

// The width a message box gives its text. A label lays its text out a little wider than the
// font's metrics say, more so at a high scale, so it has a character's width to spare.
int TextWidth(const QFontMetrics& metrics, const QString& text, const QScreen* screen) {
    int oneLine = OneLineWidth;
    if (screen)
        oneLine =
            std::min(oneLine, static_cast<int>(screen->availableSize().width() * OneLineShare));
    return LineWidth(metrics, text.split(QLatin1Char('\n')), oneLine) + metrics.averageCharWidth();
}

// A message box that opens centred over the window that asked for it. Qt's own placement
// guesses the title bar's height, and so misses on a desktop that draws none or another.
class GameMessageBox final : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        if (parentWidget())
            CentreOver(*this, *parentWidget());
    }
};

} // namespace

MsgResult QtMessageBox::Show(const std::string& text, const std::string& title, MsgIcon icon,
                             MsgButtons buttons) {
    // The game's texts break lines with a carriage return and a line feed; a label wants one.
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    GameMessageBox box(ToQt(icon), QString::fromStdString(title), shown, QMessageBox::NoButton,
                       AskingWindow());
    box.setTextFormat(Qt::PlainText);
    // The box keeps the desktop's font: only its text's width is the game's.
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
        label->setMinimumWidth(TextWidth(label->fontMetrics(), shown, box.screen()));
    if (buttons == MsgButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int pressed = box.exec();
    if (buttons == MsgButtons::YesNo)
        return pressed == QMessageBox::Yes ? MsgResult::Yes : MsgResult::No;
    return MsgResult::Ok;
}

} // namespace dunemark
