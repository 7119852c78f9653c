#include "forms/NumberBox.h"

#include <QLineEdit>
#include <algorithm>

namespace dunemark {

void RewriteNumberBox(QLineEdit* box, const QString& text) {
    if (box->text() == text)
        return;
    const int caret = box->cursorPosition();
    box->setText(text);
    if (text == QLatin1String("0")) {
        box->selectAll();
        return;
    }
    box->setCursorPosition(std::min(caret, static_cast<int>(text.size())));
}

} // namespace dunemark
