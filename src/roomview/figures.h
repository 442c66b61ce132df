#pragma once
// The walking figures: the player (figure 0) and the four desks (figures 1..4).

#include "state/value.h"

namespace koratsu {

// Appends a figure whose picture number is `kind`, with its person sprite.
void AddPerson(const Value& name, const Value& kind, const Value& spare);

}  // namespace koratsu
