// The hourly drift of the asset ranking and the sales of the comics table.

#include "clock/phases.h"
#include "publishing/market.h"
#include "state/game_state.h"
#include "ui/forms.h"

namespace koratsu {

void AssetDriftAndComicsTable() {
  DriftAssetRanking();
  SellComicsTable();
  GameState& g = State();
  g.FormSlot[form::kComicsRanking].Redraw = 1;
  // The people's assets have moved too: an open asset ranking shows them
  // within the hour, not only at the player's next change of money.
  g.FormSlot[form::kAssetRanking].Redraw = 1;
}

}  // namespace koratsu
