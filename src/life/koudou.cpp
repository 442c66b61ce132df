#include "life/koudou.h"

#include "state/game_state.h"
#include "ui/forms.h"
#include "ui/ui.h"

namespace koratsu {

namespace {

// The progress window of a timed activity, 0 for none.
int ProgressWindow(const Value& mode) {
  if (mode == 1) return form::kOutingProgress;
  if (mode == 3) return form::kArubaitoProgress;
  if (mode == 4) return form::kTrainingProgress;
  return 0;
}

}  // namespace

void StopKoudou() {
  GameState& g = State();
  int progressWindow = ProgressWindow(g.KoudouMode);
  g.KoudouMode = 0;
  g.MinutesPerStep = 0;
  g.SigotoOn = 0;
  if (ui::IsLoaded(form::kWorking)) ui::Unload(form::kWorking);
  if (progressWindow != 0 && ui::IsLoaded(progressWindow)) ui::Unload(progressWindow);
}

}  // namespace koratsu
