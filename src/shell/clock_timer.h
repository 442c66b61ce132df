#pragma once
// The main loop of a running game: one event of the main window's clock timer.

#include <optional>
#include <string>

#include "shell/main_screen.h"
#include "state/value.h"

namespace koratsu::shell {

// The clock interval in milliseconds for a game speed (1 fast, 2 normal,
// 3 slow); any other value, empty included, changes nothing.
std::optional<int> ClockInterval(const Value& speed);

// The clock interval as designed, before any speed was applied.
constexpr int kDesignClockInterval = 50;

// The caption of a running game: the product title, the tutorial mark, then
// date, weekday and time ("Koratsu 1970年4月5日日曜日午後 1時0分").
std::string DateCaption();

class ClockTimer {
 public:
  using Tick = void (*)();

  // `tick` is the simulation step run by every event; nullptr runs GameTick.
  explicit ClockTimer(Tick tick = nullptr);

  // One timer event: the status line, one discarded random draw, the tick,
  // the caption, the end of the tutorial and the main window's return to the
  // front. The tick may open modal windows whose loops deliver further
  // events: an event that arrives while one is still running does nothing
  // and returns false.
  bool Event(MainScreen& screen);

  bool Running() const { return running_; }
  void SetTick(Tick tick);

 private:
  Tick tick_;
  bool running_ = false;
};

}  // namespace koratsu::shell
