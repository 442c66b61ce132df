#pragma once
// Moving house: the menu's and the toolbar's command, and what the move does
// to the room.

namespace koratsu {

// Moves to the larger house once, for its price, after asking. The clock
// stays stopped throughout, whatever the answer.
void Hikkosi();

// The room of the house just moved into (HouseKind is 1 already): the room
// view takes the new room's picture, the old room's pictures go, the new room
// is furnished with the equipment owned at its new places, and the player
// stands at the door, on his way to his new desk.
void MoveRoomIntoHouse();

}  // namespace koratsu
