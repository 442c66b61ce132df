#include "roomview/furnish.h"

#include "roomview/sprites.h"
#include "state/game_state.h"
#include "state/log.h"

namespace koratsu {

namespace {

// Which remembered sprite a piece is.
enum class Keep { Nothing, Bed, Desk, AsiDesk0, AsiDesk1, AsiDesk2, AsiDesk3 };

struct Piece {
  int x, y, srcX, srcY, width, height, depthOffset;
  Keep keep;
};

// The first apartment (HouseKind 0).
constexpr Piece kApartment[] = {
    {81, 102, 0, 226, 244, 126, 100, Keep::Nothing},
    {210, 86, 0, 128, 48, 48, 10, Keep::Nothing},
    {212, 110, 48, 128, 16, 24, 10, Keep::Nothing},
    {164, 94, 64, 128, 34, 47, 20, Keep::Nothing},
    {148, 156, 98, 128, 74, 41, -20, Keep::Bed},
    {226, 101, 0, 216, 20, 10, 10, Keep::Desk},
};

// The studio after moving house (HouseKind 1). The last two pieces are the
// front wall, drawn over everything else in the room.
constexpr Piece kStudio[] = {
    {302, 116, 358, 129, 48, 48, 10, Keep::Nothing},
    {332, 116, 246, 180, 16, 28, 0, Keep::Nothing},
    {268, 124, 262, 129, 48, 48, 10, Keep::Nothing},
    {268, 124, 246, 152, 16, 28, -10, Keep::Nothing},
    {288, 134, 310, 129, 48, 48, 10, Keep::Nothing},
    {320, 158, 246, 128, 16, 24, 10, Keep::Nothing},
    {236, 140, 262, 129, 48, 48, 10, Keep::Nothing},
    {236, 140, 246, 152, 16, 28, -10, Keep::Nothing},
    {256, 150, 310, 129, 48, 48, 10, Keep::Nothing},
    {288, 175, 246, 128, 16, 24, 10, Keep::Nothing},
    {168, 100, 98, 128, 74, 41, -20, Keep::Bed},
    {317, 132, 0, 216, 20, 10, 30, Keep::Desk},
    {281, 139, 262, 209, 20, 10, 10, Keep::AsiDesk0},
    {301, 149, 262, 209, 20, 10, 10, Keep::AsiDesk1},
    {248, 156, 262, 209, 20, 10, 10, Keep::AsiDesk2},
    {269, 165, 262, 209, 20, 10, 10, Keep::AsiDesk3},
    {114, 57, 244, 229, 283, 200, 1200, Keep::Nothing},
    {114, 57, 244, 229, 17, 42, 12, Keep::Nothing},
};

bool AnySpriteSlotFree(GameState& g) {
  for (const rec::Sprite& s : g.Sprite)
    if (s.Used == 0) return true;
  return false;
}

template <std::size_t N>
void Place(GameState& g, const Piece (&pieces)[N]) {
  for (const Piece& p : pieces) {
    // A piece that finds no slot is left out, so that nothing remembers
    // another sprite's slot as its own.
    if (!AnySpriteSlotFree(g)) {
      LogLine("FurnishRoom: the sprite table is full; a piece of furniture is left out");
      continue;
    }
    AddSprite(p.x, p.y, p.srcX, p.srcY, p.width, p.height, p.depthOffset);
    switch (p.keep) {
      case Keep::Nothing: break;
      case Keep::Bed: g.BedSprite = g.SpriteLast; break;
      case Keep::Desk: g.DeskAnimSprite = g.SpriteLast; break;
      case Keep::AsiDesk0: g.AsiDeskSlot[0].AnimSprite = g.SpriteLast; break;
      case Keep::AsiDesk1: g.AsiDeskSlot[1].AnimSprite = g.SpriteLast; break;
      case Keep::AsiDesk2: g.AsiDeskSlot[2].AnimSprite = g.SpriteLast; break;
      case Keep::AsiDesk3: g.AsiDeskSlot[3].AnimSprite = g.SpriteLast; break;
    }
    if (rec::RoomItem* item = Append(g.RoomItem, g.RoomItemSpriteCount)) item->Sprite = g.SpriteLast;
  }
}

}  // namespace

void FurnishRoom() {
  GameState& g = State();
  if (g.HouseKind == 0) {
    Place(g, kApartment);
  } else if (g.HouseKind == 1) {
    Place(g, kStudio);
  }
}

}  // namespace koratsu
