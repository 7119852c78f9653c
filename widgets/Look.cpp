#include "widgets/Look.h"

#include <QFontDatabase>
#include <QLocale>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace dunemark {

namespace {

constexpr int NarrowStretch = 82;

QFont Face(const QStringList& families, double points) {
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(points);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace

QFont Arial(double points, bool bold) {
    QFont font = Face({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")}, points);
    font.setBold(bold);
    return font;
}

QFont ArialBlack(double points) {
    QFont font = Face({QStringLiteral("Arial Black"), QStringLiteral("Liberation Sans")}, points);
    font.setWeight(QFont::Black);
    return font;
}

QFont NarrowSans(double points) {
    const QStringList narrow{QStringLiteral("Arial Narrow"),
                             QStringLiteral("Liberation Sans Narrow")};
    if (std::ranges::any_of(narrow,
                            [](const QString& face) { return QFontDatabase::hasFamily(face); }))
        return Face(narrow, points);
    // Arial Narrow is Arial drawn at 82% of its width, and Liberation Sans Narrow the same of
    // Liberation Sans: without either narrow face the wide one so narrowed breaks the lines at
    // the same words.
    QFont font = Arial(points);
    font.setStretch(NarrowStretch);
    return font;
}

QFont SansSerif(double points) {
    return Face({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")}, points);
}

void SetColours(QWidget* widget, const QColor& text, const QColor& background) {
    // The disabled colours stay the style's own, so a disabled control shows greyed.
    QPalette palette = widget->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, text);
        palette.setColor(group, QPalette::Text, text);
        palette.setColor(group, QPalette::ButtonText, text);
    }
    if (background.isValid()) {
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            palette.setColor(group, QPalette::Window, background);
            palette.setColor(group, QPalette::Base, background);
        }
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

QString Money(double value) {
    // Grouped as the locale groups, as its "%L1" texts are: Polish and Spanish leave a number of
    // four digits whole.
    const double rounded = std::round(value);
    if (rounded == 0.0 || std::isnan(rounded))
        return {};
    QLocale locale; // grouped even where the C locale would not group
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return locale.toString(static_cast<qlonglong>(std::clamp(rounded, -9.2e18, 9.2e18)));
}

QString Plain(double value) {
    return QString::fromStdString(PlainNumber(value));
}

} // namespace dunemark
