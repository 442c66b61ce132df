#include "life/moving.h"

#include <algorithm>

#include "life/equipment.h"
#include "roomview/furnish.h"
#include "roomview/sheet_layout.h"
#include "roomview/sprites.h"
#include "state/game_state.h"
#include "state/yes_no.h"
#include "ui/forms.h"
#include "ui/game_ops.h"
#include "ui/ui.h"

namespace koratsu {

namespace {

constexpr double kMovingCost = 50000000;
constexpr int kHouse = 1;
// Where the player comes in.
constexpr int kDoorX = 306;
constexpr int kDoorY = 105;

}  // namespace

void Hikkosi() {
  GameState& g = State();
  ui::PauseClock();
  if (g.HouseKind != 0) {
    ui::ShowMessage("引越しは一度しかできません");
  } else if (ui::AskYesNo("費用は5000万円ですが、本当に引っ越しますか？") == yes_no::kYes) {
    if (g.Kingaku - kMovingCost < 0) {
      ui::ShowMessage("お金が足りません。");
    } else {
      AddKingaku(-kMovingCost);
      g.HouseKind = kHouse;
      MoveRoomIntoHouse();
    }
  }
  ui::ResumeClock();
}

void MoveRoomIntoHouse() {
  GameState& g = State();
  ui::CallForm(form::kRoomView, "GraphicChange");
  // The list keeps the old slots after they were freed: the new room's items follow them.
  const long long items = std::min(g.RoomItemSpriteCount.Index(), static_cast<long long>(g.RoomItem.Capacity()));
  for (long long i = 0; i < items; ++i) RemoveSprite(g.RoomItem[i].Sprite);
  FurnishRoom();
  for (int row = 0; row < 5; ++row)
    if (g.Equipment[row].Owned == 1) PlaceEquipment(row, g.HouseKind);
  // Sorted by his new height; the slot only breaks ties, as for every figure.
  rec::Sprite& player = g.Sprite[g.Figure[0].Sprite];
  player.X = kDoorX;
  player.Y = kDoorY;
  player.Depth = player.Y + g.Figure[0].Sprite / 1000;
  // Standing at the door, seen at once: whatever he was doing in the old
  // room (asleep in its bed he was hidden) stayed there.
  player.SrcX = g.FigureSheetStride * g.Figure[0].Picture + sheet::kWalkColumn[0];
  player.SrcY = sheet::kWalkRow[3];
  g.Figure[0].Place = 1;
}

}  // namespace koratsu
