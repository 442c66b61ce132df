// One event of the main window's clock timer, without the tick's own work.

#include <benchmark/benchmark.h>

#include <memory>

#include "shell/clock_timer.h"
#include "state/game_state.h"
#include "support/quiet_screen.h"

namespace koratsu {
namespace {

using bench::QuietScreen;

void NoTick() {}

std::unique_ptr<GameState> RunningGame() {
  auto state = std::make_unique<GameState>();
  GameState& g = *state;
  g.AppTitle = "Koratsu";
  g.GameActive = 1;
  g.GameYear = 1971;
  g.GameMonth = 11;
  g.GameDay = 23;
  g.GameWeekday = 2;
  g.GameHour = 21;
  g.GameMinute = 30;
  g.StatusBarText = "指示待ち";
  return state;
}

// The event as it mostly runs: the status counter, the discarded draw, the checks.
void BM_ClockTimerEvent(benchmark::State& st) {
  auto state = RunningGame();
  StateScope scope(*state);
  QuietScreen screen;
  shell::ClockTimer timer(&NoTick);
  for (auto _ : st) benchmark::DoNotOptimize(timer.Event(screen));
}
BENCHMARK(BM_ClockTimerEvent);

// The same when the tick asked for the date caption every time.
void BM_ClockTimerEventWithCaption(benchmark::State& st) {
  auto state = RunningGame();
  StateScope scope(*state);
  QuietScreen screen;
  shell::ClockTimer timer(&NoTick);
  for (auto _ : st) {
    state->CaptionRefresh = 1;
    benchmark::DoNotOptimize(timer.Event(screen));
  }
}
BENCHMARK(BM_ClockTimerEventWithCaption);

}  // namespace
}  // namespace koratsu
