#include "life/activity.h"

#include "state/game_state.h"
#include "state/koudou_mode.h"
#include "ui/forms.h"
#include "ui/ui.h"

namespace koratsu {

namespace {

// The progress window of a timed activity, 0 for none.
int ProgressWindow(const Value& mode) {
  if (mode == koudou_mode::kOuting) return form::kOutingProgress;
  if (mode == koudou_mode::kArubaito) return form::kArubaitoProgress;
  if (mode == koudou_mode::kSyugyou) return form::kTrainingProgress;
  return 0;
}

}  // namespace

void SetMinutesPerStep(const Value& minutes) {
  GameState& g = State();
  if (minutes <= 60) {
    g.MinutesPerStep = 3;
  } else if (minutes <= 120) {
    g.MinutesPerStep = 5;
  } else if (minutes <= 240) {
    g.MinutesPerStep = 10;
  } else if (minutes <= 480) {
    g.MinutesPerStep = 15;
  } else if (minutes <= 600) {
    g.MinutesPerStep = 20;
  } else {
    g.MinutesPerStep = 25;
  }
}

void StopKoudou() {
  GameState& g = State();
  int progressWindow = ProgressWindow(g.KoudouMode);
  g.KoudouMode = koudou_mode::kNone;
  g.MinutesPerStep = 0;
  g.SigotoOn = 0;
  if (ui::IsLoaded(form::kWorking)) ui::Unload(form::kWorking);
  // An outing, job or training stopped before its time is over gives nothing:
  // its end never runs with no activity, so its progress window closes here.
  if (progressWindow != 0 && ui::IsLoaded(progressWindow)) ui::Unload(progressWindow);
}

bool ActivityTimeUp(int koudouMode) {
  const GameState& g = State();
  return g.KoudouMode == koudouMode && g.MinutesPerStep != 0 && g.KoudouMinutesLeft <= 0;
}

void StopTimedActivity(int progressWindow) {
  GameState& g = State();
  g.MinutesPerStep = 0;
  g.KoudouMode = koudou_mode::kNone;
  g.StatusText = "停止中";
  ui::Unload(progressWindow);
}

}  // namespace koratsu
