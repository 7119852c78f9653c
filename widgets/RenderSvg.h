#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace dunemark {

// A vector picture (a file or a resource such as ":/assets/map.svg") drawn stretched to the given
// size over a background colour. A null pixmap when there is no such picture or it cannot be
// read, so the caller can show its own background instead.
QPixmap RenderSvg(const QString& path, const QSize& size, const QColor& background);

// An icon drawn from a vector picture at whatever size and screen density it is asked for, by
// the game itself: Qt's image and icon plugins for vector pictures need not be installed.
QIcon SvgIcon(const QString& path);

} // namespace dunemark
