#pragma once
// Moving house: the menu's and the toolbar's command.

namespace koratsu {

// Moves to the larger house once, for its price, after asking.
void Hikkosi();

}  // namespace koratsu
