#include "production/drawing.h"

#include "life/activity.h"
#include "state/game_state.h"
#include "state/koudou_mode.h"
#include "state/production_slots.h"
#include "ui/forms.h"
#include "ui/ui.h"

namespace koratsu {

namespace {

// Stamina a worked hour gives (or takes) under each life schedule.
Value StaminaPerWorkedHour(const Value& pattern) {
  if (pattern == 1) return 0.1;
  if (pattern == 2) return 0.08;
  if (pattern == 3) return -0.3;
  return 0;
}

}  // namespace

void DrawingHour() {
  GameState& g = State();
  // Sleeping through the work mode restores stamina.
  if (g.KoudouMode == koudou_mode::kWork && g.LifeStatus == 3) g.Stamina += 0.3;
  if (g.Stamina > g.StaminaMax) g.Stamina = g.StaminaMax;

  // Decided once for the hour: a finished work stops the work mode, yet the
  // later slots still advance in this hour.
  if (!(g.SigotoOn == 1 && g.Awake == 1)) return;
  bool worked = false;
  for (int s = 0; s <= kLastSlot; ++s) {
    rec::ProductionSlot& slot = g.ProductionSlot[s];
    // A work exactly at its target still advances; only passing it finishes.
    if (SlotBusy(s) && g.SlotKanseido[s] <= slot.Target) {
      g.SlotKanseido[s] += slot.SigotoPoint / 10;
      g.FormSlot[form::kCompletion].Redraw = 1;
      worked = true;
    }
    // A serial episode waits in its slot for its deadline.
    if (g.SlotKanseido[s] > slot.Target && slot.Kind != 6) {
      StopKoudou();
      ui::ShowMessage("漫画が完成しました。");
      g.FinishedSlot = s;
      ui::Show(form::kWorkTitle, ui::Modal);
      if (GameEnded()) return;
    }
  }

  if (worked) {
    g.Stamina += StaminaPerWorkedHour(g.SukezyuruType);
    g.FormSlot[form::kInfoPanel].Redraw = 1;
  } else {
    g.Stamina += 0.08;
  }
  if (g.Stamina > g.StaminaMax) g.Stamina = g.StaminaMax;
  if (g.Stamina < 0) g.Stamina = 0;
}

}  // namespace koratsu
