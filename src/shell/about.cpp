#include "shell/about.h"

#include <algorithm>

#include "state/game_state.h"

namespace koratsu::shell {

void StartAboutSequence() {
  GameState& g = State();
  g.AboutClickA = 0;
  g.AboutClickB = 0;
}

bool PressAboutPicture(bool leftButton) {
  GameState& g = State();
  if (leftButton) {
    g.AboutClickA += 1;
  } else if (g.AboutClickA == kAboutGate) {
    g.AboutClickB += 1;
  }
  return g.AboutClickA == kAboutFinal && g.AboutClickB == kAboutOtherPresses;
}

void FillKnowledgePoints() {
  GameState& g = State();
  long long count = std::min<long long>(g.TiItemCount.Index(), decltype(g.KnowledgeItem)::kCapacity);
  for (long long i = 0; i < count; ++i) g.KnowledgeItem[i].Point = 99;
}

}  // namespace koratsu::shell
