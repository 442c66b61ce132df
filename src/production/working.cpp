#include "production/working.h"

#include "production/slots.h"
#include "production/sukezyuru.h"
#include "state/game_state.h"
#include "state/koudou_mode.h"

namespace koratsu {

void OpenWorking() {
  State().SanpoAnimFrame = 0;
  SukezyuruCheck();
  ActivityWindowLoaded();
}

int WorkingAnimationStep() {
  GameState& g = State();
  if (g.Awake == 0 || BusySlots() == 0) return kWorkingStillFrame;
  g.SanpoAnimFrame += 1;
  const double tick = g.SanpoAnimFrame.Num();
  // Frames change at ticks 1, 3, 5, 7, 9 and 11.
  for (int frame = 0; frame < kWorkingFrameCount; ++frame) {
    if (tick == 2 * frame + 1) {
      if (frame == kWorkingStillFrame) g.SanpoAnimFrame = 0;
      return frame;
    }
  }
  return -1;
}

void CloseWorking(WindowPlace place) {
  GameState& g = State();
  ActivityWindowClosed(place);
  g.KoudouMode = koudou_mode::kNone;
  g.MinutesPerStep = 0;
  g.SigotoOn = 0;
  g.ResumeRequest = 1;
}

}  // namespace koratsu
