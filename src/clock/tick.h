#pragma once
// The game clock: one tick per event of the main window's clock timer.

namespace koratsu {

// One step of the simulation; the main window's clock timer calls it once per
// event, after drawing its own discarded random number. Opens the game's
// notices and dialogs from inside itself and returns once they have closed.
void GameTick();

}  // namespace koratsu
