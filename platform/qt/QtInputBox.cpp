#include "platform/qt/QtInputBox.h"

#include <QApplication>
#include <QInputDialog>

namespace dunemark {

std::string QtInputBox::Ask(const std::string& prompt, const std::string& title) {
    bool accepted = false;
    const QString text =
        QInputDialog::getText(QApplication::activeWindow(), QString::fromStdString(title),
                              QString::fromStdString(prompt), QLineEdit::Normal, {}, &accepted);
    return accepted ? text.toStdString() : std::string();
}

} // namespace dunemark
