#include "platform/qt/QtMessageBox.h"

#include "platform/qt/CentreOver.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTextLayout>
#include <algorithm>

namespace dunemark {

namespace {

// The widest a line of a message stands whole, in pixels of the desktop's scale.
constexpr int OneLineWidth = 500;
// What a box gives its icon and margins beside the text, at most.
constexpr int BesideText = 140;

// The widest a message's text may be on `screen`: Qt lets a message box grow no wider than the
// screen less 480 pixels, and at most 1000 (the whole screen when it is at most 1024 wide).
int MostTextWidth(const QScreen* screen) {
    const int screenWidth = screen ? screen->availableSize().width() : 1024;
    const int box = screenWidth <= 1024 ? screenWidth : std::min(screenWidth - 480, 1000);
    return std::max(box - BesideText, OneLineWidth / 2);
}

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

// The width of the widest of `lines`.
int Widest(const QFontMetrics& metrics, const QStringList& lines) {
    int widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// The text width at which each line of `text` stands whole when it fits in `oneLine`, and
// breaks once otherwise, into two lines of about equal length; never more than `most`.
int LineWidth(const QFontMetrics& metrics, const QStringList& lines, int oneLine, int most) {
    const int widest = Widest(metrics, lines);
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
    while (width < std::min(widest, most) && !fitsInTwo(width))
        width += metrics.averageCharWidth();
    return std::min({width, widest, most});
}

// `line` broken where a label breaks it in `width`, at spaces, and inside a word (a long path)
// only when the word alone is wider.
QStringList Broken(const QFont& font, const QString& line, int width) {
    QTextLayout layout(line, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList parts;
    layout.beginLayout();
    for (QTextLine part = layout.createLine(); part.isValid(); part = layout.createLine()) {
        part.setLineWidth(width);
        parts << line.mid(part.textStart(), part.textLength()).trimmed();
    }
    layout.endLayout();
    return parts;
}

// The text as the box shows it: its lines broken into lines no wider than a box allows, so that
// the box needs no wrapping of its own. Qt's message box wraps only a text wider than 500 pixels
// and lays a narrower one out on one line, cutting off whatever a minimum width pushes past it.
QString ShownText(const QFont& font, const QString& text, const QScreen* screen) {
    const QFontMetrics metrics(font);
    const QStringList lines = text.split(QLatin1Char('\n'));
    const int most = MostTextWidth(screen);
    const int width = LineWidth(metrics, lines, std::min(OneLineWidth, most), most);
    QStringList shown;
    for (const QString& line : lines)
        shown << (metrics.horizontalAdvance(line) <= width ? QStringList(line)
                                                           : Broken(font, line, width));
    return shown.join(QLatin1Char('\n'));
}

// A message box that opens centred over the window that asked for it.
using GameMessageBox = CentredDialog<QMessageBox>;

} // namespace

std::unique_ptr<QMessageBox> QtMessageBox::Build(const std::string& text, const std::string& title,
                                                 MsgIcon icon, MsgButtons buttons) {
    // The game's texts break lines with a carriage return and a line feed; a label wants one.
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    auto box = std::make_unique<GameMessageBox>(ToQt(icon), QString::fromStdString(title),
                                                QString(), QMessageBox::NoButton, AskingWindow());
    box->setTextFormat(Qt::PlainText);
    // The box keeps the desktop's font: only where its text's lines break is the game's. A label
    // lays its text out a little wider than the font's metrics say, more so at a high scale, so
    // its lines get a character's width to spare.
    auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    box->setText(label ? ShownText(label->font(), shown, box->screen()) : shown);
    if (label) {
        const QFontMetrics metrics(label->font());
        label->setMinimumWidth(Widest(metrics, box->text().split(QLatin1Char('\n'))) +
                               metrics.averageCharWidth());
    }
    if (buttons == MsgButtons::YesNo) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(QMessageBox::Yes);
    } else {
        box->setStandardButtons(QMessageBox::Ok);
    }
    return box;
}

MsgResult QtMessageBox::Show(const std::string& text, const std::string& title, MsgIcon icon,
                             MsgButtons buttons) {
    const int pressed = Build(text, title, icon, buttons)->exec();
    if (buttons == MsgButtons::YesNo)
        return pressed == QMessageBox::Yes ? MsgResult::Yes : MsgResult::No;
    return MsgResult::Ok;
}

} // namespace dunemark
