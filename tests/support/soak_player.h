#pragma once
// A long game of seeded random choices: between the clock's events the
// player gives the main window's commands, every window is answered at
// random through its rules (window_play.h), time runs at the desk or in an
// activity, the rankings he has opened are closed again at a later turn,
// and now and then the game is saved and loaded again. A game
// that ends is followed by a new one, now and then through the tutorial.
//
// No gtest here: the benchmarks play the same games.

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "support/scenario.h"
#include "support/window_play.h"

namespace koratsu::testing {

class SoakPlayer {
 public:
  struct Options {
    std::uint64_t seed = 1;
    // One in this many turns of the player saves and loads the game (0: never).
    int saveOdds = 150;
    // Where the saved games go ("" the system's temporary folder).
    std::string folder{};
  };
  struct Hooks {
    std::function<void()> newGame;    // after each new game has started
    std::function<void()> everyHour;  // after each game hour
  };

  SoakPlayer(Scenario& scenario, const Options& options);

  // Plays until `hours` game hours have passed.
  void Play(long long hours, const Hooks& hooks = {});

  // What went wrong on the way that the hooks could not see: a saved game
  // that did not read back byte for byte, a clock that stood still while a
  // game ran.
  const std::vector<std::string>& Problems() const { return problems_; }

  long long hours = 0, events = 0, games = 0, saves = 0, commands = 0;
  // The saves whose file carried a work's episodes or volumes past the
  // first 201 columns, in the block after the last kind of line.
  long long extendedSaves = 0;
  // How the games ended: "Form51 cause 2", "Form17", "Form38" (the tutorial's end), by count.
  std::map<std::string, int> ends;

 private:
  void StartGame(const Hooks& hooks);
  void GiveCommand();
  void LetTimeRun(long long hoursWanted, const Hooks& hooks);
  void SaveAndLoad();
  void TakeCare();

  Scenario& s_;
  Options options_;
  RandomChoices choices_;
  std::vector<std::string> problems_;
  int idleTurns_ = 0;
  long long endsSeen_ = 0;
};

}  // namespace koratsu::testing
