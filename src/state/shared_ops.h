#pragma once
// Small operations every part of the game shares.

#include <string>

#include "state/value.h"

namespace koratsu {

// "yy/mm/dd" of the given date (mode 2, the one every caller passes).
std::string DateString(const Value& year, const Value& month, const Value& day, const Value& mode);
// Frees production slot `slot`.
void ClearWorkSlot(const Value& slot);

}  // namespace koratsu
