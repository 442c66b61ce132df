#include "life/activity_windows.h"

#include "state/game_state.h"
#include "ui/forms.h"

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

std::string HalfDayHour(const Value& hour) {
  return hour >= 12 ? Join("午後 ", hour - 12) : Join("午前 ", hour);
}

std::string StaminaGaugeText() {
  const GameState& g = State();
  return Join(Int(g.Stamina), "/", g.StaminaMax);
}

}  // namespace koratsu
