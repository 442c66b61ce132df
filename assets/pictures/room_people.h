#pragma once
// The five people of the room view: the player (picture 0) and the four
// assistants (pictures 1 to 4, the same people as the portraits Human1..4).

#include "pictures/room_art.h"

namespace koratsu::assets::roomart {

// What every person is drawn with, whatever his look.
constexpr Color kPersonOutline = Rgb(40, 28, 30);
constexpr Color kPersonEye = Rgb(34, 26, 38);
constexpr Color kPersonBlush = Rgb(236, 150, 140);
constexpr Color kHeadband = Rgb(246, 246, 240);

struct PersonLook {
  Color skin, hair, top, bottom, shoes;
  enum Hair { Spiky, Long, Messy, Bob, Neat } hairStyle;
  bool headband = false;  // a white band round the forehead
  bool glasses = false;
  bool skirt = false;
  bool beard = false;
};

const PersonLook& Look(int picture);

// The 80 x 128 block of picture p: walking frames in columns 0, 16, 32 for
// directions 1..4 (rows 0, 32, 64, 96), seated poses in columns 48 and 64
// (working rows 0 and 32, idle rows 64 and 96). Column 48 shows the back of
// someone working at a desk in front of him, column 64 someone facing the
// viewer from behind his desk; each turns the way that picture's desks need.
QImage PersonBlock(int picture);

}  // namespace koratsu::assets::roomart
