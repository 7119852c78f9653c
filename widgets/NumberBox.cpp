#include "widgets/NumberBox.h"

#include <QLineEdit>
#include <algorithm>

namespace dunemark {

void RewriteNumberBox(QLineEdit* box, const QString& text) {
    if (box->text() == text)
        return;
    const int caret = box->cursorPosition();
    const bool atEnd = caret == box->text().size();
    box->setText(text);
    if (text == QLatin1String("0")) {
        box->selectAll();
        return;
    }
    // A caret at the end stays there, even when the text grows in front of it (".5" pasted
    // becomes "0.5"); elsewhere it keeps its place as far as the text reaches.
    box->setCursorPosition(atEnd ? static_cast<int>(text.size())
                                 : std::min(caret, static_cast<int>(text.size())));
}

} // namespace dunemark
