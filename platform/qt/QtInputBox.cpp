#include "platform/qt/QtInputBox.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>

namespace dunemark {

std::string QtInputBox::Ask(const std::string& prompt, const std::string& title) {
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(QString::fromStdString(title));
    dialog.setLabelText(QString::fromStdString(prompt));
    // The prompt is shown as the text it is, never read as markup.
    for (QLabel* label : dialog.findChildren<QLabel*>())
        label->setTextFormat(Qt::PlainText);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue().toStdString() : std::string();
}

} // namespace dunemark
