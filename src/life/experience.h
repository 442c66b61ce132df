#pragma once
// Experience and the player's level, 1 to 10. Each level brings higher caps
// of stamina, knowledge points and abilities, told in the level-up window
// (Form41) one line at a time.

#include "state/value.h"

namespace koratsu {

// Adds the experience one event earns and takes every level step the new
// total reaches, in ascending order, each with its level-up window shown
// (modally) before the next step. Kinds: 0 the first training course, 1 a
// work finished and named, 2 a requested one-shot delivered, 3 a serial
// episode delivered, 4 a training that raised an ability, 5 to 8 the
// training courses 2 to 5. The information panel and the knowledge list
// redraw after every call.
void AddExperience(const Value& kind);

// Form41's button: turns to the next line (true), or, with the last line
// on show, leaves it to the window to close (false).
bool TurnLevelUpLine();
// Form41's closing: the lines are done with.
void CloseLevelUp();

}  // namespace koratsu
