#pragma once
// Studio equipment: the purchase window's choice and its buy button, and the
// equipment's pictures in the room.

#include "state/value.h"

namespace koratsu {

// Selects row `row` of the purchase window's list.
void SelectEquipment(const Value& row);

// The buy button, for the selected row. The checks run in order and the
// first that fails says why, leaving everything as it was: the money, the
// computer the scanner and the printer need, an item owned already; then
// the question. True when the item was bought and the window closes.
bool BuyEquipment();

// Places the pictures of equipment row `row` (0 copier .. 4 printer; the
// computer is two pictures) where they stand in dwelling `house`, as room
// items. Other dwellings have no places for them: nothing is placed.
void PlaceEquipment(int row, const Value& house);

}  // namespace koratsu
