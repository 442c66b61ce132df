#include "production/copying.h"

#include "production/placing.h"
#include "production/slots.h"
#include "state/game_state.h"
#include "state/random.h"
#include "ui/forms.h"
#include "ui/ui.h"

namespace koratsu {

bool ConfirmCopy(const Value& row) {
  GameState& g = State();
  if (row < 0 || row >= g.OtherMangaCount) return false;
  if (FirstFreeSlot() < 0) {
    ui::ShowMessage(kSixWorksMessage);
    return false;
  }
  Rnd();  // discarded
  if (ui::AskYesNo(Join("「", g.OtherManga[row].Title, "」を本当に盗作しますか？")) != 6) return false;
  PlaceCopiedWork(row);
  ui::Unload(form::kCopyManga);
  ui::Unload(form::kNewMangaChoice);
  if (g.FormSlot[form::kSettingsEditor].Mode != 2) ui::Show(form::kSchedule, ui::Modal);
  return true;
}

}  // namespace koratsu
