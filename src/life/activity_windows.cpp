#include "life/activity_windows.h"

#include "life/activity.h"
#include "state/game_state.h"
#include "ui/forms.h"
#include "ui/ui.h"

namespace koratsu {

std::optional<WindowPlace> RememberedActivityPlace() {
  const rec::FormSlot& slot = State().FormSlot[form::kWorking];
  if (slot.Top == 0 && slot.Left == 0) return std::nullopt;
  return WindowPlace{slot.Top.Num(), slot.Left.Num()};
}

void ActivityWindowLoaded() { State().KoudouShown = 1; }

void ActivityWindowClosed(WindowPlace place) {
  GameState& g = State();
  g.FormSlot[form::kWorking].Top = place.top;
  g.FormSlot[form::kWorking].Left = place.left;
  g.KoudouShown = 0;
}

void StartTimedActivity(int mode, const Value& statusText, const Value& statusDetail, const Value& minutes,
                        int dialog, int progressWindow) {
  GameState& g = State();
  g.KoudouMode = mode;
  g.StatusText = statusText;
  g.StatusDetail = statusDetail;
  g.KoudouMinutesLeft = minutes;
  g.KoudouMinutesTotal = minutes;
  SetMinutesPerStep(g.KoudouMinutesTotal);
  ui::Unload(dialog);
  ui::Show(progressWindow, ui::Modeless);
}

std::string StaminaGaugeText() {
  const GameState& g = State();
  return Join(Int(g.Stamina), "/", g.StaminaMax);
}

}  // namespace koratsu
