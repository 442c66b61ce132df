#pragma once
// Paying the player or taking his money, and money as text.

#include <string>

#include "state/value.h"

namespace koratsu {

// Changes Kingaku by `amount` (negative to pay) and asks the money windows to redraw.
void AddKingaku(const Value& amount);

// Money or a count as text in the chosen style: "1万2000" or "12,000". Callers append the unit.
std::string FormatKingaku(const Value& number);
// The same for a fixed-point price (a comics volume's).
std::string FormatKingaku(const Money& amount);

}  // namespace koratsu
