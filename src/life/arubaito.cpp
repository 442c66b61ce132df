#include "life/arubaito.h"

#include "life/activity_windows.h"
#include "state/game_state.h"
#include "state/koudou_mode.h"
#include "state/money.h"
#include "state/time_text.h"
#include "ui/forms.h"
#include "ui/game_ops.h"
#include "ui/tutorial_stages.h"
#include "ui/ui.h"

namespace koratsu {

namespace {

bool IsJob(int row) { return row >= 0 && State().ArubaitoCount > row; }

}  // namespace

ArubaitoTexts DescribeArubaito(int row) {
  if (!IsJob(row)) return {};
  const rec::ArubaitoJob& job = State().ArubaitoJob[row];
  return {FormatMinutes(job.Minutes), FormatKingaku(job.Pay) + "円", Join("-", job.Stamina, "ﾎﾟｲﾝﾄ")};
}

void OpenArubaito() {
  AdvanceTutorial(tutorial_stage::kJobDialog);
  GameState& g = State();
  g.ArubaitoOn = 0;
  g.ArubaitoAnimFrame = 0;
  g.ArubaitoKind = 0;
  g.KoudouCost = 0;
  g.KoudouMinutesLeft = 0;
}

void ChooseArubaito(int row) {
  if (!IsJob(row)) return;
  GameState& g = State();
  const rec::ArubaitoJob& job = g.ArubaitoJob[row];
  g.ArubaitoOn = 0;
  g.ArubaitoPayChosen = job.Pay;
  g.ArubaitoKind = job.Id;
}

bool StartArubaito(int row) {
  if (!IsJob(row)) return false;
  GameState& g = State();
  const rec::ArubaitoJob& job = g.ArubaitoJob[row];
  // A job may never bring stamina down to 0.
  if (g.Stamina - job.Stamina <= 0) {
    ui::ShowMessage("体力のﾎﾟｲﾝﾄが足りません。");
    return false;
  }
  g.Stamina -= job.Stamina;
  AdvanceTutorial(tutorial_stage::kJobStart);
  g.ArubaitoOn = 1;
  StartTimedActivity(koudou_mode::kArubaito, job.StatusText, job.StatusDetail, job.Minutes, form::kArubaito,
                     form::kArubaitoProgress);
  return true;
}

void PayArubaito() {
  AddKingaku(State().ArubaitoPayChosen);
  PlayKoukaon(0);
}

}  // namespace koratsu
