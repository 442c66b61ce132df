#pragma once
// A late game as a long play leaves it: the world's catalogues at their
// new-game sizes, a full comics market, and many works with their volumes.

#include "state/game_state.h"

namespace koratsu::bench {

// `works` works (at most 641), each with `volumes` comics volumes and as many
// serial episodes (at most 501).
void FillLateGame(GameState& g, int works, int volumes);

// The player at work on six works whose targets are far away: a work step
// of 30 minutes every two timer events, points in every slot.
void WorkOnSixWorks(GameState& g);

}  // namespace koratsu::bench
