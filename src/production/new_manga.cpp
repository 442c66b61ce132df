#include "production/new_manga.h"

#include "production/slots.h"
#include "state/game_state.h"
#include "ui/forms.h"
#include "ui/tutorial_stages.h"
#include "ui/ui.h"

namespace koratsu {

void StartNewManga() {
  GameState& g = State();
  g.BusySlotCount = BusySlots();
  if (g.BusySlotCount == kSlotCount) {
    ui::ShowMessage(kSixWorksMessage);
    return;
  }
  if (WorksTableFull()) {
    ui::ShowMessage(kWorksTableFullMessage);
    return;
  }
  AdvanceTutorial(tutorial_stage::kNewManga);
  g.FormSlot[form::kSettingsEditor].Mode = 0;
  ui::Show(form::kNewMangaChoice, ui::Modal);
}

}  // namespace koratsu
