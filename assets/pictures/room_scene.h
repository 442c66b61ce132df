#pragma once
// The two rooms of the room view: their shape on the floor grid, the room
// pictures, the parts that stand in front of the floor, and the pieces of
// the sprite sheets, each drawn where it stands in the room.

#include <functional>
#include <vector>

#include "pictures/room_art.h"
#include "roomview/sheet_layout.h"

namespace koratsu::assets::roomart {

// The floor runs from uMin to uMax across and vMin to vMax along; the
// left-hand wall stands at vMin, the right-hand wall at uMax.
struct RoomShape {
  double uMin, uMax, vMin, vMax;
  double wall;  // wall height in pixels
  double slab;  // the floor's thickness seen at the front edges
  int width, height;
};

// Dwelling 0 (the apartment), 1 (the house), 2 (the apartment by evening light).
const RoomShape& ShapeOf(int house);

// The room picture of a dwelling.
QImage RoomPicture(int house);

// What stands in front of the floor: the space outside the room, the floor's
// front edges, the low cut walls at the front and what stands by them. Drawn
// into the room picture and, for the foreground pieces, into the sheets.
void DrawFront(Canvas& c, int house);

// The foreground piece of a dwelling: the room picture wherever something
// stands in front of the floor, transparent elsewhere.
void DrawForegroundPiece(Canvas& c, int house);

// A piece of the sheets: its rectangle, where it is drawn from (the room
// position of its top-left corner) and how.
struct SheetPiece {
  koratsu::sheet::Rect source;
  int x, y;
  std::function<void(Canvas&)> draw;
};
std::vector<SheetPiece> FurniturePieces();

// The two sheets: colours (black where transparent) and mask (black where
// opaque, white elsewhere).
struct Sheets {
  QImage colour, mask;
};
const Sheets& SpriteSheets();

}  // namespace koratsu::assets::roomart
