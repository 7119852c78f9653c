#pragma once

#include <QString>

class QLineEdit;

namespace dunemark {

// Puts the rewritten text of a number box in place, keeping the caret where a person expects
// it. A box that had to fall back to 0 has its 0 selected, so the next key replaces it.
void RewriteNumberBox(QLineEdit* box, const QString& text);

} // namespace dunemark
