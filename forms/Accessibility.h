#pragma once

namespace dunemark {

// Puts in place, once for the program, what the game's own controls tell a screen reader beyond
// what Qt tells of them. Each such control calls it before it is first asked for.
void InstallAccessibility();

} // namespace dunemark
