#pragma once
// The player on the road of a first work, as the scenarios play it, through
// the rules the windows call: part-time jobs, an own story planned in the
// settings editor and scheduled, the work command and the clock until the
// work is finished and named, where it is sent, and the posting with the
// envelope's trip. It plays every window on the scripted ui with fixed
// answers (window_play.h), those of the road as its settings below say; a
// test may replace any window's part with ui.On afterwards.

#include <functional>
#include <string>
#include <vector>

#include "shell/clock_timer.h"
#include "shell/main_screen.h"
#include "support/scripted_ui.h"
#include "support/window_play.h"

namespace koratsu::testing {

class RoadPlayer {
 public:
  RoadPlayer(ScriptedUi& ui, shell::MainScreen& screen);

  // Clock timer events until `done` holds; false when `limit` events passed first.
  bool RunClockUntil(const std::function<bool()>& done, int limit = 20000);

  // The job command on job row `job`, then the clock until the job is over.
  void DoArubaito(int job);

  // The knowledge items holding the most points, most first (the lower item
  // first among equals), at most `count` of them, none without points.
  std::vector<int> BestKnowledge(int count) const;

  // A setting of an own story: knowledge item `item`, its ▲ held `ticks` ticks.
  struct Setting {
    int item;
    int ticks;
  };
  // The new-manga command with an own story of these settings for audience
  // and genre entries `audience` and `genre`; the schedule window that
  // follows is confirmed as it opened. False when the editor refused it.
  bool PlanWork(const std::vector<Setting>& settings, int audience, int genre);

  // The work command, then the clock until a work has been named; false when
  // `limit` events passed first.
  bool WorkUntilNamed(int limit = 20000);

  // What the player does in the windows after the work is finished: the
  // title typed, the button of the window that asks where to send it (0
  // post, 1 bring in, 3 keep it), then, posting, the magazine and work rows
  // chosen and the answer to the question.
  std::string title = "はじめての原稿";
  int sendButton = 3;
  int magazineRow = 0;
  int workRow = 0;
  int postAnswer = 6;

 private:
  // The answers of the road's windows, from the settings above.
  void Sync();

  shell::MainScreen& screen_;
  FixedChoices answers_;
  WindowPlayer windows_;
  shell::ClockTimer timer_;
  int job_ = 0;
  std::vector<Setting> settings_;
  int audience_ = 0, genre_ = 0;
  bool planned_ = false;
};

}  // namespace koratsu::testing
