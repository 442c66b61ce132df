#pragma once
// A whole game without a screen, for the scenarios and the long games: a
// game state of its own, the computer's clock fixed, a seeded generator,
// the scripted ui with every window played through the rules its controls
// call (window_play.h), a recording main window, and the main window's
// clock timer driven event by event.
//
//   Scenario s;                                   // fixed answers: first button, row 0, yes
//   s.answers.Choose(form::kArubaito, "job", 5);  // ... or others, window by window
//   ASSERT_TRUE(s.NewGame("漫画太郎"));
//   s.Run(shell::Command::Arubaito);
//   s.RunUntil([&] { return s.g.KoudouMode == 0; });
//   EXPECT_EQ(s.QuietAfterTitle(), "");            // once a game has ended
//
// No gtest here: the benchmarks play the same games.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "shell/clock_timer.h"
#include "shell/commands.h"
#include "state/computer_clock.h"
#include "state/game_state.h"
#include "state/random.h"
#include "support/fresh_state.h"
#include "support/recording_screen.h"
#include "support/scripted_ui.h"
#include "support/window_play.h"

namespace koratsu::testing {

struct ScenarioStart {
  // The computer's clock at the world set-up: a Friday, 10:00.
  ComputerTime time{2024, 4, 5, 6, 10, 0, 0};
  double timer = 1234.5;
  std::uint64_t seed = 1;
  // True: the seed is kept whatever the set-up seeds (every game plays the
  // same). False: the game's own generator, seeded by the set-up from the
  // fixed clock.
  bool keepSeed = true;
  // True: no source is installed, and the game draws from its own built-in
  // generator as it does when played, seeded with `seed` until a world
  // set-up seeds it from the fixed clock. ForceDraws is then not available.
  bool builtInGenerator = false;
};

class Scenario {
 public:
  explicit Scenario(const ScenarioStart& start = {});
  ~Scenario();
  Scenario(const Scenario&) = delete;
  Scenario& operator=(const Scenario&) = delete;

 private:
  class Generator;
  FreshState fresh_;
  std::unique_ptr<Generator> random_;

 public:
  GameState& g;
  FixedClock clock;
  ScriptedUi ui;
  RecordingScreen screen;
  shell::ClockTimer timer;
  FixedChoices answers;
  WindowPlayer windows;

  // From now on every Int(Rnd × range) draw gives `result` (a contest's
  // verdict, say); the other draws stay the seeded generator's. Not with the
  // built-in generator.
  void ForceDraws(long range, long result);

  // A new game from the new-game window, in the player's name.
  bool NewGame(const std::string& name = "漫画太郎");
  // A command of the main window's menus.
  void Run(shell::Command command);

  // One event of the main window's clock timer, then one round of the open
  // windows' own timers.
  void TimerEvent();
  // Timer events until `done` holds; false when `limit` events passed first.
  bool RunUntil(const std::function<bool()>& done, int limit = 20000);
  // Timer events until the game has ended; false when `limit` passed first.
  bool RunUntilTheGameEnds(int limit = 20000);

  // The title screen after a game ended, and then `events` more timer
  // events, delivered as a stray timer would: "" when every window is
  // closed, the clock is off, and those events opened no window, showed
  // nothing and changed no game value (the status line's own counter and
  // text aside, and ResumeRequest, which a closing window may have raised);
  // otherwise what was found.
  std::string QuietAfterTitle(int events = 100);
};

// Where two game states first differ, by the byte offset and the save
// file's first differing line; "" when they are the same.
std::string StateDifference(const GameState& before, const GameState& after);

}  // namespace koratsu::testing
