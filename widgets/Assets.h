#pragma once

class QIcon;

namespace dunemark {

// Makes the pictures compiled into the program available under ":/assets/".
void InitAssets();

// The game's icon, which every window of the game shows in its title bar.
QIcon GameIcon();

} // namespace dunemark
