#include "forms/ValueLabel.h"

#include <QAccessibleWidget>

namespace dunemark {

namespace {

// A label is named by its text alone; this one by its caption and its figure.
class ValueLabelAccessible : public QAccessibleWidget {
public:
    explicit ValueLabelAccessible(ValueLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name)
            return static_cast<const ValueLabel*>(widget())->SpokenText();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* MakeAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String(ValueLabel::staticMetaObject.className()))
        return new ValueLabelAccessible(static_cast<ValueLabel*>(object));
    return nullptr;
}

} // namespace

ValueLabel::ValueLabel(const QString& caption, QWidget* parent)
    : FitLabel(parent)
    , caption_(caption) {
    // Once for the program, before the first of them is asked for.
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(MakeAccessible);
        return true;
    }();
}

QString ValueLabel::SpokenText() const {
    return caption_ + QStringLiteral(": ") + (text().isEmpty() ? QStringLiteral("0") : text());
}

} // namespace dunemark
