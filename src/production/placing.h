#pragma once
// Placing a work whose story is not the player's own: a novel adapted
// (source 2 without permission, 3 with it) or an existing manga copied
// (source 1). The settings are three consecutive knowledge items and their
// sizes, the work target and the setting values are drawn from the
// original's popularity (a novel) or fame (a copy).
//
// The slot keeps the audience and genre it held before: nothing here
// chooses a classification for such a work.

#include "state/value.h"

namespace koratsu {

// Places novel row `novel` as an adapted work of `source` in the first free
// slot, rates it, sets the slot up and recounts SlotsInUse. Draws, in this
// order: the first setting's item, the three setting sizes, the target's
// spread, one value per setting with an item, then the rating's three.
// False, with nothing drawn or written, when no slot is free.
bool PlaceAdaptedWork(const Value& novel, const Value& source);

// The same for row `row` of the existing manga, copied (source 1).
bool PlaceCopiedWork(const Value& row);

}  // namespace koratsu
