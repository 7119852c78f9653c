#pragma once

namespace dunemark {

// Whether a screen reader listens, as the window system last told Qt. With one, the windows look
// the same, but the focus, the rows and the boxes meet a player who hears them where he would
// look first. The first call starts listening for the changes; the program makes it at its start.
bool ScreenReaderOn();

} // namespace dunemark
