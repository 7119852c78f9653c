#include "widgets/ValueLabel.h"

namespace dunemark {

ValueLabel::ValueLabel(const QString& caption, QWidget* parent)
    : FitLabel(parent)
    , caption_(caption) {}

QString ValueLabel::SpokenText() const {
    return caption_ + QStringLiteral(": ") + (text().isEmpty() ? QStringLiteral("0") : text());
}

} // namespace dunemark
