#include "state/game_state.h"

#include <utility>

namespace koratsu {

namespace {
std::unique_ptr<GameState>& Owned() {
  static std::unique_ptr<GameState> owned = std::make_unique<GameState>();
  return owned;
}
GameState* current = nullptr;
}  // namespace

GameState& State() {
  if (!current) current = Owned().get();
  return *current;
}

StateScope::StateScope(GameState& state) : previous_(&State()) { current = &state; }
StateScope::~StateScope() { current = previous_; }

void ReplaceState(std::unique_ptr<GameState> state) {
  bool wasOwned = &State() == Owned().get();
  Owned() = std::move(state);
  if (wasOwned) current = Owned().get();
}

}  // namespace koratsu
