#pragma once
// A test's own game state: a fresh GameState on the heap, made the running
// game for the life of the fixture, so tests never see each other's games.

#include <memory>

#include "state/game_state.h"

namespace koratsu::testing {

class FreshState {
 public:
  FreshState() : state_(std::make_unique<GameState>()), scope_(*state_) {}
  GameState& g() { return *state_; }

 private:
  std::unique_ptr<GameState> state_;
  StateScope scope_;
};

}  // namespace koratsu::testing
