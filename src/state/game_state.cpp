#include "state/game_state.h"

namespace koratsu {

namespace {
// The running game when no scope has put another in its place.
GameState* Owned() {
  static std::unique_ptr<GameState> owned = std::make_unique<GameState>();
  return owned.get();
}
GameState* current = nullptr;
}  // namespace

GameState& State() {
  if (!current) current = Owned();
  return *current;
}

StateScope::StateScope(GameState& state) : previous_(&State()) { current = &state; }
StateScope::~StateScope() { current = previous_; }

}  // namespace koratsu
