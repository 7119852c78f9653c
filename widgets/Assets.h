#pragma once

class QIcon;

namespace dunemark {

// Makes the pictures compiled into the program available under ":/assets/", and the game's icon
// the one of every window that has none of its own.
void InitAssets();

// The game's icon, which every window of the game shows in its title bar.
QIcon GameIcon();

} // namespace dunemark
