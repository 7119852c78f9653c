#include "platform/qt/QtInputBox.h"

#include "platform/qt/CentreOver.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>

namespace dunemark {

std::unique_ptr<QInputDialog> QtInputBox::Build(const std::string& prompt,
                                                const std::string& title) {
    auto dialog = std::make_unique<CentredDialog<QInputDialog>>(AskingWindow());
    const QString caption = QString::fromStdString(title);
    dialog->setWindowTitle(caption);
    dialog->setLabelText(QString::fromStdString(prompt));
    // The prompt is shown as the text it is, never read as markup.
    for (QLabel* label : dialog->findChildren<QLabel*>())
        label->setTextFormat(Qt::PlainText);
    return dialog;
}

std::string QtInputBox::Ask(const std::string& prompt, const std::string& title) {
    const auto dialog = Build(prompt, title);
    return dialog->exec() == QDialog::Accepted ? dialog->textValue().toStdString() : std::string();
}

} // namespace dunemark
