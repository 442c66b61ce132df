#include "support/settings_player.h"

#include "production/point_buttons.h"
#include "production/settings_editor.h"
#include "state/game_state.h"

namespace koratsu::testing {

int CandidateRow(int item) {
  const GameState& g = State();
  for (int r = 0; r < g.CandidateCount.Index(); ++r)
    if (g.SettingCandidate[r].Item == item) return r;
  return -1;
}

void PlanSetting(int k, int item, int ticks) {
  SelectSetting(k);
  ChooseCandidate(CandidateRow(item));
  PressSettingPointButton(k, kPointRepeatAdd);
  for (int t = 0; t < ticks; ++t) SettingsEditorTimerStep();
  ReleaseSettingPointButton();
}

}  // namespace koratsu::testing
