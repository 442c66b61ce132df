#include "support/moved_house.h"

#include "roomview/furnish.h"
#include "roomview/sheet_layout.h"
#include "roomview/sprites.h"
#include "state/game_state.h"

namespace koratsu::testing {

void FurnishMovedHouse() {
  GameState& g = State();
  for (long long i = 0; i < g.RoomItemSpriteCount.Index(); ++i) RemoveSprite(g.RoomItem[i].Sprite);
  FurnishRoom();
  for (const sheet::Placement& p : sheet::kEquipment[1]) {
    AddSprite(p.x, p.y, p.source.x, p.source.y, p.source.width, p.source.height, p.depthOffset);
    g.RoomItem[g.RoomItemSpriteCount].Sprite = g.SpriteLast;
    g.RoomItemSpriteCount += 1;
  }
  rec::Sprite& player = g.Sprite[g.Figure[0].Sprite];
  player.X = 306;
  player.Y = 105;
  player.Depth = player.Y + g.Figure[0].Sprite / 1000;
  g.Figure[0].Place = 1;
}

}  // namespace koratsu::testing
