#pragma once
// Small operations every part of the game shares.

#include <string>

#include "state/value.h"

namespace koratsu {

// 0 the money sound, 1 the rising-points sound; any other kind plays nothing.
void PlayKoukaon(const Value& kind);
// "yy/mm/dd" of the given date (mode 2, the one every caller passes).
std::string DateString(const Value& year, const Value& month, const Value& day, const Value& mode);
// Frees production slot `slot`.
void ClearWorkSlot(const Value& slot);
// Closes every child window but the tutorial's and a few notices.
void UnloadAllForms();

}  // namespace koratsu
