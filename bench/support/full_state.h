#pragma once
// A state filled to the brim: every counted table at its capacity, every
// value holding something, a share of them texts.

#include "state/game_state.h"

namespace koratsu::bench {

// textEvery: every n-th value is a text (0: numbers only).
void FillToCapacity(GameState& g, int textEvery = 7);

}  // namespace koratsu::bench
