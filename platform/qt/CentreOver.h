#pragma once

class QWidget;

namespace dunemark {

// Places a top-level window, at its present size, centred over the window of `owner`, moved no
// further than it takes to keep it whole on that window's screen. Both windows wear the same
// title bar, so centring their inner areas centres them as the player sees them.
void CentreOver(QWidget& window, const QWidget& owner);

} // namespace dunemark
