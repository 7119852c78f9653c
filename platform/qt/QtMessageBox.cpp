#include "platform/qt/QtMessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace dunemark {

namespace {

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

} // namespace

MsgResult QtMessageBox::Show(const std::string& text, const std::string& title, MsgIcon icon,
                             MsgButtons buttons) {
    QWidget* parent = QApplication::activeModalWidget();
    if (!parent)
        parent = QApplication::activeWindow();
    // The game's texts break lines with a carriage return and a line feed; a label wants one.
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(ToQt(icon), QString::fromStdString(title), shown, QMessageBox::NoButton,
                    parent);
    box.setTextFormat(Qt::PlainText);
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
