#include "production/naming.h"

#include "life/experience.h"
#include "production/slots.h"
#include "production/work_record.h"
#include "state/game_state.h"
#include "state/shared_ops.h"
#include "ui/forms.h"
#include "ui/tutorial_stages.h"
#include "ui/ui.h"

namespace koratsu {

namespace {

constexpr int kRequestedOneShot = 3;

}  // namespace

void WorkTitleLoaded() {
  AdvanceTutorial(tutorial_stage::kWorkTitle);
  AddExperience(1);
}

TitleOutcome NameFinishedWork(const std::string& title) {
  GameState& g = State();
  if (title.empty()) {
    ui::ShowMessage("漫画の題名を決めてください。");
    return TitleOutcome::Refused;
  }
  if (TitleTaken(title)) {
    ui::ShowMessage("すでにその名前の漫画を描いていますので他の名前にしてください");
    return TitleOutcome::Refused;
  }
  const Value s = g.FinishedSlot;
  const long long m = AppendMangaWork();
  if (m < 0) {
    ui::ShowMessage(kWorksTableFullMessage);
    return TitleOutcome::NoRoom;
  }

  rec::ProductionSlot& slot = g.ProductionSlot[s];
  rec::MangaWork& work = g.MangaWork[m];
  work.Title = title;
  work.Source = slot.Source;
  RecordSlotMakeup(s.Index(), m);
  for (int r = 0; r < 6; ++r) work.Rating[r] = slot.Rating[r];
  work.State = slot.Kind == kRequestedOneShot ? manga_state::kRequestNamed : manga_state::kUnsent;
  work.Date = DateString(g.GameYear, g.GameMonth, g.GameDay, 2);
  work.Hyouka = slot.Quality;

  // The freed points stay unallotted until the schedule or a new work takes them.
  slot.SigotoPoint = 0;
  RecountSigotoPointLeft();

  ClearWorkSlot(s);
  g.FormSlot[form::kCompletion].Rebuild = 1;
  g.FormSlot[form::kArchive].Rebuild = 1;
  return TitleOutcome::Recorded;
}

void WorkTitleClosed() { RecountSlotsInUse(); }

void SendNamedWorkOn() {
  GameState& g = State();
  const long long m = g.MangaCount.Index() - 1;
  if (m < 0) return;
  rec::MangaWork& work = g.MangaWork[m];
  if (work.State == manga_state::kRequestNamed) {
    work.Requested = 1;
    work.RequestMagazine = g.ProductionSlot[g.FinishedSlot].Magazine;
    work.State = manga_state::kRequestDelivered;
    g.FormSlot[form::kDelivery].Mode = 0;
    ui::Show(form::kDelivery, ui::Modal);
  } else {
    g.FormSlot[form::kSettingsEditor].Mode = 0;  // the new-work windows' mode
    ui::Show(form::kFinishedWork, ui::Modal);
  }
}

void SendFinishedWork(int button) {
  if (button == 0) ui::Show(form::kContestPost, ui::Modal);
  if (button == 1) ui::Show(form::kBringIn, ui::Modal);
}

}  // namespace koratsu
