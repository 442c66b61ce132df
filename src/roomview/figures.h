#pragma once
// The walking figures: the player (figure 0) and the four desks (figures 1..4).

#include "state/value.h"

namespace koratsu {

// Appends a figure whose picture number is `kind`, with its person sprite.
void AddPerson(const Value& name, const Value& kind, const Value& spare);

// While the player is out (an outing, a job or training) his figure is not
// seen and the bed shows empty, whatever the figures' own step chose. The
// figure itself stays where it is. At work or at leisure nothing changes.
void HidePlayerWhileAway();

}  // namespace koratsu
