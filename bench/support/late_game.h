#pragma once
// A late game as a long play leaves it: the world's catalogues at their
// new-game sizes, a full comics market, and many works with their volumes.

#include "state/game_state.h"

namespace koratsu::bench {

// `works` works (at most 641), each with `volumes` comics volumes and as many
// serial episodes (at most 501).
void FillLateGame(GameState& g, int works, int volumes);

}  // namespace koratsu::bench
