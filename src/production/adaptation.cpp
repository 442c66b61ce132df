#include "production/adaptation.h"

#include "life/activity.h"
#include "production/placing.h"
#include "production/slots.h"
#include "state/game_state.h"
#include "state/random.h"
#include "ui/forms.h"
#include "ui/ui.h"

namespace koratsu {

namespace {

Value& FormMode() { return State().FormSlot[form::kSettingsEditor].Mode; }

}  // namespace

Value PublisherNameOf(const Value& publisher) { return State().Publisher[publisher - 1].Name; }

bool ConfirmNovel(const Value& novel) {
  GameState& g = State();
  if (novel < 0 || novel >= g.NovelCount) return false;
  if (FirstFreeSlot() < 0) {
    ui::ShowMessage(kSixWorksMessage);
    return false;
  }
  Rnd();  // discarded
  const rec::Novel& row = g.Novel[novel];
  if (ui::AskYesNo(Join("「", row.Title, "」を漫画にしますか？")) != 6) return false;
  g.ChosenNovel = novel;
  ui::ShowMessage(Join(PublisherNameOf(row.Publisher), "に、今から許可を取りに行きます。"));
  ui::Unload(form::kNovelChoice);
  ui::Unload(form::kNewMangaChoice);
  // No game time passes while the adaptation is settled.
  StopKoudou();
  g.NovelTalkState = 0;
  ui::CallForm(form::kMDIForm1, "NovelPermissionTalk");
  return true;
}

void MakeWithoutPermission() {
  Rnd();  // discarded
  PlaceAdaptedWork(State().ChosenNovel, 2);
  ui::Unload(form::kNovelRefused);
  if (FormMode() != 2) ui::Show(form::kSchedule, ui::Modal);
}

void GiveUpAdaptation() {
  const Value& mode = FormMode();
  if (mode == 0) {
    ui::Unload(form::kNovelRefused);
  } else if (mode == 1 || mode == 2) {
    ui::Unload(form::kNovelRefused);
    ui::Show(form::kNewMangaChoice, ui::Modal);
  }
}

}  // namespace koratsu
