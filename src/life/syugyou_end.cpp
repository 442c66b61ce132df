// The end of a training: experience and the trained ability.

#include "life/activity.h"
#include "life/training.h"
#include "state/game_state.h"
#include "state/koudou_mode.h"
#include "ui/forms.h"
#include "ui/ui.h"

namespace koratsu {

void EndSyugyou() {
  if (!ActivityTimeUp(koudou_mode::kSyugyou)) return;
  GameState& g = State();
  // Time stops before the gains: a level-up window opens with no activity
  // running, while the training's window is still open.
  g.MinutesPerStep = 0;
  g.KoudouMode = koudou_mode::kNone;
  SyugyouGains(g.SyugyouKind);
  StopTimedActivity(form::kTrainingProgress);
  // The window opens also when nothing rose, and says so.
  g.FormSlot[form::kPointsGained].Param = 1;
  ui::Show(form::kPointsGained, ui::Modal);
}

}  // namespace koratsu
