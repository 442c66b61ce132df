// The asset and comics rankings, their achievement notices and the end of every tick.

#include "clock/phases.h"
#include "publishing/rankings.h"
#include "roomview/figures.h"

namespace koratsu {

void SortRankings() { RankAndNoteAchievement(); }

void EndOfTick() {
  AnnounceRankAchievement();
  HidePlayerWhileAway();
}

}  // namespace koratsu
