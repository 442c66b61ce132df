#include "publishing/fan_letters.h"

#include "production/work_record.h"
#include "state/game_state.h"
#include "state/random.h"
#include "ui/forms.h"
#include "ui/ui.h"

namespace koratsu {

void FanLetterDraws() {
  GameState& g = State();
  const long long works = g.MangaCount.Index();
  for (long long m = 0; m < works; ++m) {
    const long draw = RndInt(100);
    const Value& state = g.MangaWork[m].State;
    if (draw != 0 || !(state == manga_state::kSerialRunning || state == manga_state::kSerialEnded)) continue;
    g.FormSlot[form::kFanLetter].Param = m;
    ui::Show(form::kFanLetter, ui::Modal);
    if (GameEnded()) return;
  }
}

}  // namespace koratsu
