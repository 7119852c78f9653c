#pragma once

#include "core/NumberText.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QString>

class QWidget;

namespace dunemark {

// Windows are laid out in twips; 15 twips make one pixel at 96 dpi (Qt scales for high dpi).
constexpr int Px(int twips) {
    return twips / 15;
}
inline QRect TwipsRect(int left, int top, int width, int height) {
    return {Px(left), Px(top), Px(width), Px(height)};
}

namespace colours {
inline const QColor Green{0, 255, 0};
inline const QColor Yellow{255, 255, 0};
inline const QColor DarkGreen{0, 128, 0};
inline const QColor Blue{0, 0, 255};
inline const QColor Red{255, 0, 0};
inline const QColor White{255, 255, 255};
inline const QColor Black{0, 0, 0};
} // namespace colours

// The game's type faces, each with free fallbacks that share its metrics where one exists.
QFont Arial(double points, bool bold = false);
QFont ArialBlack(double points);
QFont NarrowSans(double points);       // Arial narrowed where no narrow face is installed
QFont SansSerif(double points = 8.25); // the dialogs' and grids' small default face

// Foreground and background colours of a widget.
void SetColours(QWidget* widget, const QColor& text, const QColor& background = QColor());

// How well two colours tell apart, as the web's accessibility guidelines measure it: from 1 (the
// same) to 21 (black and white).
double Contrast(const QColor& a, const QColor& b);

// True for a desktop's dark colour scheme: light text on a dark window.
bool IsDark(const QPalette& palette);

// The contrast that ordinary text needs to be read with ease.
constexpr double ReadableContrast = 4.5;

// `colour` lightened just enough to stand at `contrast` to a dark `background`, or darkened on a
// light one.
QColor StandingOut(const QColor& colour, const QColor& background,
                   double contrast = ReadableContrast);

// `colour` lightened just enough to read on a dark `background`; as it is on a light one.
QColor ReadableOn(const QColor& colour, const QColor& background);

// A text colour of the game's own on the desktop's window colour, as on a light desktop. Where the
// window is dark the colour is lightened just enough to read there, and again whenever the desktop
// changes its colours.
void SetTextColour(QWidget* widget, const QColor& colour);

// Money as the locale writes a whole number; 0 shows as nothing.
QString Money(double value);

// A number in plain number text.
QString Plain(double value);

} // namespace dunemark
