#include "roomview/figures.h"

#include "roomview/sheet_layout.h"
#include "roomview/sprites.h"
#include "state/game_state.h"
#include "state/koudou_mode.h"
#include "state/log.h"

namespace koratsu {

void AddPerson(const Value& /*name*/, const Value& kind, const Value& /*spare*/) {
  GameState& g = State();
  // The figure remembers the slot its sprite really takes. In the world set-up
  // that is the slot right after the furniture.
  long long slot = LowestFreeSpriteSlot();
  if (slot < 0) {
    LogLine("AddPerson: the sprite table is full; the figure is not added");
    return;
  }
  rec::Figure* figure = Append(g.Figure, g.FigureCount);
  if (!figure) return;
  figure->Picture = kind;
  figure->Sprite = slot;
  // Just above the view until the figure is placed.
  AddSprite(0, -32, 0, 0, 16, 32, 1000);
}

void HidePlayerWhileAway() {
  GameState& g = State();
  const Value& mode = g.KoudouMode;
  if (mode != koudou_mode::kOuting && mode != koudou_mode::kArubaito && mode != koudou_mode::kSyugyou) return;
  // A world without its figures has no room to show either.
  if (g.FigureCount < 1) return;
  g.Sprite[g.Figure[0].Sprite].SrcY = sheet::kHiddenSourceY;
  g.Sprite[g.BedSprite].SrcX = sheet::kBedEmpty.x;
}

}  // namespace koratsu
