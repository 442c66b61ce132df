#include "clock/tick.h"

#include "clock/phases.h"
#include "life/arubaito.h"
#include "life/outing.h"
#include "life/training.h"
#include "roomview/walking.h"
#include "state/game_state.h"
#include "state/koudou_mode.h"
#include "ui/forms.h"

namespace koratsu {

namespace {

// Runs one phase; false when the game ended inside it.
bool Run(void (*phase)()) {
  phase();
  return !GameEnded();
}

// Counts the timer tick unless a figure is still walking; true when a time
// step is due. A step is also due when TicksPerStep has just dropped below a
// count already reached, held or not.
bool StepDue() {
  GameState& g = State();
  if (g.TickHold == 0) g.SubTick += 1;
  return !(g.SubTick < g.TicksPerStep);
}

// The hourly rules, in their order; false when the game ended.
bool RunHour() {
  GameState& g = State();
  // The excess of a 25-minute step over the hour is dropped.
  g.GameMinute = 0;
  g.GameHour += 1;
  g.FormSlot[form::kInfoPanel].Redraw = 1;

  // The midnight hour runs with GameHour 24; NewDay brings it back to 0.
  if (!Run(LowStaminaCheck)) return false;
  if (g.GameHour == 15 && !Run(PopularityEvents)) return false;
  // The asset ranking reads the money before the hour's royalties, and the
  // sales read the previous hour's LifeStatus: both before StaminaAndDrawing.
  if (!Run(AssetDriftAndComicsTable)) return false;
  if (!Run(ComicsSales)) return false;
  if (!Run(StaminaAndDrawing)) return false;
  if (g.GameHour == 22 && !Run(RequestDeadlines)) return false;
  if (g.GameHour == 12 && !Run(ContestResults)) return false;
  if (g.GameHour == 12 && !Run(MagazineVisits)) return false;
  if (g.GameHour == 14 && !Run(RivalDayAndFanLetters)) return false;
  if (!Run(FireEditorEvents)) return false;
  if ((g.GameHour == 10 || g.GameHour == 20) && !Run(SortRankings)) return false;
  if (g.GameHour >= 24 && !Run(NewDay)) return false;
  return true;
}

// One time step: minutes, perhaps an hour, then the ends of the timed
// activities after every hourly and daily rule. False when the game ended.
bool RunStep() {
  GameState& g = State();
  g.SubTick = 0;
  g.GameMinute += g.MinutesPerStep;
  if (g.MinutesPerStep != 0) g.KoudouMinutesLeft -= g.MinutesPerStep;
  if (!(g.GameMinute < 60) && !RunHour()) return false;

  if (!Run(EndOuting)) return false;
  if (!Run(EndArubaito)) return false;
  if (!Run(EndSyugyou)) return false;
  g.CaptionRefresh = 1;
  g.FormSlot[form::kInfoPanel].Redraw = 1;
  return true;
}

}  // namespace

void GameTick() {
  GameState& g = State();
  // Time passes only while an activity runs.
  if (g.KoudouMode != koudou_mode::kNone) {
    MoveFigures();
    if (StepDue() && !RunStep()) return;
  }
  EndOfTick();
}

}  // namespace koratsu
