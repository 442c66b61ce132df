#pragma once
// The pictures of the room that stay where they are put: the furniture of a
// dwelling and the equipment bought for it. Each is a room item, so that
// moving house can take them all away again.

#include "roomview/sheet_layout.h"

namespace koratsu {

// Places the furniture of the current dwelling in the sprite table.
void FurnishRoom();

// Places one picture of the room and lists its slot among the room items.
// Nothing is placed when every sprite slot is in use or the list is full
// (logged): no room item names another sprite's slot, and every picture
// placed can be taken away again. The slot taken, or -1.
long long AddRoomItem(const sheet::Placement& piece);

}  // namespace koratsu
