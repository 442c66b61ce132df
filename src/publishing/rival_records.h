#pragma once
// The rivals' records after a saved game was read.

#include "state/game_state.h"

namespace koratsu {

// A saved game holds rival records only for the rival numbers below its
// ComicCount. For every higher number, finds the rival's series in the comics
// table (a row with ComicMangaIndex -1 and the roster's title, not already
// another rival's) and records it as debuted there; a rival without one is
// not debuted.
void RebuildRivalRecords(GameState& g);

}  // namespace koratsu
