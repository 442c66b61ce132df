#pragma once
// The game's shared operations that reach the windows: the two sound
// effects, the money (whose windows redraw) and closing every window at the
// end of a game.

#include "state/value.h"

namespace koratsu {

// 0 the money sound, 1 the rising-points sound; any other kind plays nothing.
void PlayKoukaon(const Value& kind);
// Changes Kingaku by `amount` (negative to pay) and asks the money windows,
// the information panel and the asset ranking, to redraw.
void AddKingaku(const Value& amount);
// Closes every child window but the tutorial's and a few notices.
void UnloadAllForms();

#ifdef KORATSU_TEST_HOOKS
// The test build's look at the money: `observer` hears every amount given to
// AddKingaku (nullptr stops it).
void ObserveAddKingaku(void (*observer)(const Value& amount));
#endif

}  // namespace koratsu
