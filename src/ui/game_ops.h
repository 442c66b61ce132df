#pragma once
// The game's shared operations that act through the windows: the two sound
// effects and closing every window at the end of a game.

#include "state/value.h"

namespace koratsu {

// 0 the money sound, 1 the rising-points sound; any other kind plays nothing.
void PlayKoukaon(const Value& kind);
// Closes every child window but the tutorial's and a few notices.
void UnloadAllForms();

}  // namespace koratsu
