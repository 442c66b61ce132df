#pragma once
// Money as text. Paying the player or taking his money is AddKingaku
// (ui/game_ops.h): it asks the money windows to redraw.

#include <string>

#include "state/value.h"

namespace koratsu {

// Money or a count as text in the chosen style: "1万2000" or "12,000". Callers append the unit.
std::string FormatKingaku(const Value& number);
// The same for a fixed-point price (a comics volume's).
std::string FormatKingaku(const Money& amount);

}  // namespace koratsu
