#include "roomview/furnish.h"

#include "roomview/sheet_layout.h"
#include "roomview/sprites.h"
#include "state/game_state.h"
#include "state/log.h"

namespace koratsu {

namespace {

// Which remembered sprite a piece is, by its place in the dwelling's list.
enum class Keep { Nothing, Bed, Desk, AsiDesk0, AsiDesk1, AsiDesk2, AsiDesk3 };

Keep ApartmentRole(std::size_t piece) {
  if (piece == 4) return Keep::Bed;
  if (piece == 5) return Keep::Desk;
  return Keep::Nothing;
}

Keep HouseRole(std::size_t piece) {
  switch (piece) {
    case 10: return Keep::Bed;
    case 11: return Keep::Desk;
    case 12: return Keep::AsiDesk0;
    case 13: return Keep::AsiDesk1;
    case 14: return Keep::AsiDesk2;
    case 15: return Keep::AsiDesk3;
    default: return Keep::Nothing;
  }
}

template <std::size_t N>
void Place(GameState& g, const sheet::Placement (&pieces)[N], Keep (*role)(std::size_t)) {
  for (std::size_t i = 0; i < N; ++i) {
    // A piece that finds no slot is left out, so that nothing remembers
    // another sprite's slot as its own.
    if (AddRoomItem(pieces[i]) < 0) continue;
    switch (role(i)) {
      case Keep::Nothing: break;
      case Keep::Bed: g.BedSprite = g.SpriteLast; break;
      case Keep::Desk: g.DeskAnimSprite = g.SpriteLast; break;
      case Keep::AsiDesk0: g.AsiDeskSlot[0].AnimSprite = g.SpriteLast; break;
      case Keep::AsiDesk1: g.AsiDeskSlot[1].AnimSprite = g.SpriteLast; break;
      case Keep::AsiDesk2: g.AsiDeskSlot[2].AnimSprite = g.SpriteLast; break;
      case Keep::AsiDesk3: g.AsiDeskSlot[3].AnimSprite = g.SpriteLast; break;
    }
  }
}

}  // namespace

long long AddRoomItem(const sheet::Placement& piece) {
  GameState& g = State();
  // A picture the room-item list cannot hold would outlive a move.
  const long long listed = g.RoomItemSpriteCount.Index();
  if (LowestFreeSpriteSlot() < 0 || listed < 0 || listed >= static_cast<long long>(g.RoomItem.Capacity())) {
    LogLine("AddRoomItem: the sprite table or the room-item list is full; a picture of the room is left out");
    return -1;
  }
  AddSprite(piece.x, piece.y, piece.source.x, piece.source.y, piece.source.width, piece.source.height,
            piece.depthOffset);
  if (rec::RoomItem* item = Append(g.RoomItem, g.RoomItemSpriteCount)) item->Sprite = g.SpriteLast;
  return g.SpriteLast.Index();
}

void FurnishRoom() {
  GameState& g = State();
  if (g.HouseKind == 0) {
    Place(g, sheet::kApartmentFurniture, ApartmentRole);
  } else if (g.HouseKind == 1) {
    Place(g, sheet::kHouseFurniture, HouseRole);
  }
}

}  // namespace koratsu
