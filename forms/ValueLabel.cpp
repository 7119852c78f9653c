#include "forms/ValueLabel.h"

#include "forms/Accessibility.h"

namespace dunemark {

ValueLabel::ValueLabel(const QString& caption, QWidget* parent)
    : FitLabel(parent)
    , caption_(caption) {
    InstallAccessibility();
}

QString ValueLabel::SpokenText() const {
    return caption_ + QStringLiteral(": ") + (text().isEmpty() ? QStringLiteral("0") : text());
}

} // namespace dunemark
