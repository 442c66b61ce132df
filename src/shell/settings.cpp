#include "shell/settings.h"

#include "state/game_state.h"

namespace koratsu::shell {

int ApplyKingakuHyouzi() {
  GameState& g = State();
  if (g.KingakuHyouzi == 1) {
    g.KingakuComma = 0;
    return 1;
  }
  if (g.KingakuHyouzi == 2) {
    g.KingakuComma = 1;
    return 2;
  }
  return 0;
}

}  // namespace koratsu::shell
