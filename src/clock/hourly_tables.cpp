// The hourly drift of the asset ranking and the sales of the comics table.

#include "clock/phases.h"
#include "publishing/market.h"
#include "state/game_state.h"
#include "ui/forms.h"

namespace koratsu {

void AssetDriftAndComicsTable() {
  DriftAssetRanking();
  SellComicsTable();
  // The asset ranking is not asked: it redraws when the player's money changes.
  State().FormSlot[form::kComicsRanking].Redraw = 1;
}

}  // namespace koratsu
