#pragma once

#include "core/DeclareVars.h"

#include <string>
#include <vector>

namespace dunemark {

class frmMain;

// What the player has seen of the game so far, which the state alone does not tell.
struct PlayerView {
    bool over = false;          // a "Game Over" box has been shown since the last new game
    bool endedByFinish = false; // ... and it came from the Finish button
    bool sellEnabled = true;    // what the last row picked in the holdings grid calls for
};

// Every rule of a sound game that the window and the state break, each in words; empty when all
// hold. Counts and money stay in range, the labels and grids show the state, and the controls
// are enabled as the stage of the game calls for.
std::vector<std::string> BrokenInvariants(const DeclareVars& vars, const frmMain& window,
                                          const PlayerView& seen);

} // namespace dunemark
