// Stamina by the hour: the low-stamina warning and the game over, then the
// life schedule and the hour at the desk.

#include "clock/phases.h"
#include "production/drawing.h"
#include "production/sukezyuru.h"
#include "publishing/game_end.h"
#include "state/game_state.h"
#include "ui/talk.h"
#include "ui/ui.h"

namespace koratsu {

void LowStaminaCheck() {
  GameState& g = State();
  const double whole = Int(g.Stamina);
  // One warning per dip: it arms again once stamina is back at 6 or more.
  if (whole <= 5) {
    if (g.StaminaWarned == 0) {
      AddTalkLine("  体力が非常に少なくなっていて危険です。気をつけてください。");
      ui::ShowTalk("警告");
      g.StaminaWarned = 1;
    }
  } else {
    g.StaminaWarned = 0;
  }
  // Stamina below 1 ends the game; below 0 too, should anything take it there.
  if (whole <= 0) {
    EndCareer(2);
  }
}

void StaminaAndDrawing() {
  SukezyuruCheck();
  DrawingHour();
}

}  // namespace koratsu
