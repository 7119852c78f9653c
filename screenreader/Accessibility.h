#pragma once

namespace dunemark {

// Puts in place, once for the program, what the game's own controls (a figure with its caption, a
// box that holds a figure, the spoken news) tell a screen reader beyond what Qt tells of them.
// The program calls it at its start, before any window is made; calling it again does nothing.
void InstallAccessibility();

} // namespace dunemark
