#pragma once
// The life schedule: when the player is awake.

#include "state/value.h"

namespace koratsu {

// Waking hours of a pattern: 0 takes SukezyuruType, anything else SukezyuruTypeEdit.
void SetSukezyuruHours(const Value& which);
// Every game hour: awake or asleep, busy slots, status texts and ticks per step.
void SukezyuruCheck();

}  // namespace koratsu
