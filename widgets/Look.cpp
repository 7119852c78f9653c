#include "widgets/Look.h"

#include <QEvent>
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
    const QStringList installed = QFontDatabase::families();
    for (const QString& face :
         {QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans Narrow")})
        if (installed.contains(face, Qt::CaseInsensitive))
            return Face({face}, points);
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

double Contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](double c) {
            return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
               0.0722 * linear(colour.blueF());
    };
    const double first = luminance(a), second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

namespace {
bool IsDarkColour(const QColor& colour) {
    return colour.lightnessF() < 0.5;
}
} // namespace

bool IsDark(const QPalette& palette) {
    return IsDarkColour(palette.color(QPalette::Window));
}

QColor StandingOut(const QColor& colour, const QColor& background, double contrast) {
    constexpr int MixSteps = 64;
    // Mixed a step at a time towards white on a dark background, towards black on a light one:
    // at the end of the way it stands at the most contrast there is.
    const double towards = IsDarkColour(background) ? 1.0 : 0.0;
    const auto mix = [towards](double c, double part) { return float(c + (towards - c) * part); };
    QColor shown = colour;
    for (int step = 1; Contrast(shown, background) < contrast && step <= MixSteps; ++step) {
        const double part = double(step) / MixSteps;
        shown.setRgbF(mix(colour.redF(), part), mix(colour.greenF(), part),
                      mix(colour.blueF(), part));
    }
    return shown;
}

QColor ReadableOn(const QColor& colour, const QColor& background) {
    return IsDarkColour(background) ? StandingOut(colour, background) : colour;
}

namespace {

// Keeps a widget's text colour readable on its window colour as the desktop changes its colours.
class TextColour final : public QObject {
public:
    TextColour(QWidget* widget, const QColor& colour)
        : QObject(widget)
        , colour_(colour) {
        widget->installEventFilter(this);
        Apply(widget);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::PaletteChange)
            Apply(static_cast<QWidget*>(watched));
        return false;
    }

private:
    void Apply(QWidget* widget) const {
        const QColor shown = ReadableOn(colour_, widget->palette().color(QPalette::Window));
        // Set only when it differs, or setting it would send this filter another change.
        if (widget->palette().color(QPalette::Active, QPalette::WindowText) != shown)
            SetColours(widget, shown);
    }

    QColor colour_;
};

} // namespace

void SetTextColour(QWidget* widget, const QColor& colour) {
    new TextColour(widget, colour);
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
