#include "clock/sukezyuru.h"

#include "state/game_state.h"

namespace koratsu {

void SetSukezyuruHours(const Value& which) {
  GameState& g = State();
  const Value& pattern = which == 0 ? g.SukezyuruType : g.SukezyuruTypeEdit;
  if (pattern == 1) {
    g.SukezyuruHours = 8;
  } else if (pattern == 2) {
    g.SukezyuruHours = 14;
  } else if (pattern == 3) {
    g.SukezyuruHours = 19;
  }
}

void SukezyuruCheck() {}

}  // namespace koratsu
