#include <benchmark/benchmark.h>

#include "clock/tick.h"
#include "state/game_state.h"
#include "state/koudou_mode.h"
#include "state/random.h"
#include "shell/world_setup.h"
#include "support/fresh_state.h"
#include "support/late_game.h"

namespace koratsu {
namespace {

// A late game (600 works with 200 volumes, a full comics market) in a real
// world with its room and figures, working on six works whose targets are far away.
class WorkingGame {
 public:
  WorkingGame() {
    GameState& g = fresh_.g();
    ClearGameState();
    shell::InitWorld();
    bench::FillLateGame(g, 600, 200);
    g.GameActive = 1;
    g.GameYear = 1970;
    g.GameMonth = 4;
    g.GameDay = 5;
    g.GameWeekday = 0;
    g.GameHour = 11;
    g.GameMinute = 30;
    g.ScheduleEvery = 12;
    g.SukezyuruType = 2;
    g.Stamina = 20;
    g.StaminaMax = 25;
    g.StaminaWarned = 0;
    bench::WorkOnSixWorks(g);
  }
  GameState& g() { return fresh_.g(); }

 private:
  testing::FreshState fresh_;
};

// One event of the main window's clock timer: its discarded draw and the tick.
void TimerEvent() {
  benchmark::DoNotOptimize(Rnd());
  GameTick();
}

void BM_TimerEventNoActivity(benchmark::State& st) {
  WorkingGame game;
  game.g().KoudouMode = koudou_mode::kNone;
  for (auto _ : st) TimerEvent();
}
BENCHMARK(BM_TimerEventNoActivity);

void BM_TimerEventWithoutStep(benchmark::State& st) {
  WorkingGame game;
  GameState& g = game.g();
  for (auto _ : st) {
    g.SubTick = 0;
    TimerEvent();
  }
}
BENCHMARK(BM_TimerEventWithoutStep);

void BM_TimerEventStep(benchmark::State& st) {
  WorkingGame game;
  GameState& g = game.g();
  for (auto _ : st) {
    g.SubTick = 1;
    g.GameMinute = 0;
    TimerEvent();
  }
}
BENCHMARK(BM_TimerEventStep);

// The step that completes 12:00: every hourly phase of the noon.
void BM_TimerEventHour(benchmark::State& st) {
  WorkingGame game;
  GameState& g = game.g();
  for (auto _ : st) {
    g.SubTick = 1;
    g.GameHour = 11;
    g.GameMinute = 30;
    TimerEvent();
  }
}
BENCHMARK(BM_TimerEventHour);

// The step that completes the day: the midnight hour, the new day and the calendar.
void BM_TimerEventMidnight(benchmark::State& st) {
  WorkingGame game;
  GameState& g = game.g();
  for (auto _ : st) {
    g.SubTick = 1;
    g.TicksPerStep = 2;
    g.GameHour = 23;
    g.GameMinute = 30;
    g.GameDay = 30;
    g.GameMonth = 4;
    TimerEvent();
  }
}
BENCHMARK(BM_TimerEventMidnight);

}  // namespace
}  // namespace koratsu
