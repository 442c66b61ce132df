#pragma once
// A running game at the clock: 5 April 1970, a Sunday, 10:00, awake under the
// middle schedule, with a scripted player and a counting generator.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clock/tick.h"
#include "state/game_state.h"
#include "state/koudou_mode.h"
#include "state/random.h"
#include "support/fresh_state.h"
#include "support/scripted_random.h"
#include "support/scripted_ui.h"

namespace koratsu::testing {

class ClockTest : public ::testing::Test {
 protected:
  ClockTest() : g(fresh.g()) {
    SetRandomSource(&random);
    g.GameActive = 1;
    g.GameYear = 1970;
    g.GameMonth = 4;
    g.GameDay = 5;
    g.GameWeekday = 0;
    g.GameHour = 10;
    g.GameMinute = 0;
    g.SubTick = 0;
    g.TicksPerStep = 2;
    g.ScheduleEvery = 12;
    g.SukezyuruType = 2;
    g.Stamina = 20;
    g.StaminaMax = 25;
  }

  // The work command: time runs at 30 minutes a step.
  void StartWork() {
    g.KoudouMode = koudou_mode::kWork;
    g.MinutesPerStep = 30;
    g.SigotoOn = 1;
  }

  // A work in production in slot s.
  void PlaceWork(int s, double progress, double target, double points, int kind = 0) {
    g.SlotKanseido[s] = progress;
    g.ProductionSlot[s].Target = target;
    g.ProductionSlot[s].SigotoPoint = points;
    g.ProductionSlot[s].Kind = kind;
  }

  // One event of the main window's clock timer: its own discarded draw, then the tick.
  void TimerEvent() {
    Rnd();
    GameTick();
  }

  // Timer events until the game hour changes or time stops; the number of events.
  int RunHour() {
    const Value hour = g.GameHour;
    int events = 0;
    while (g.GameHour == hour && g.KoudouMode != koudou_mode::kNone && g.GameActive == 1 && events < 1000) {
      TimerEvent();
      ++events;
    }
    return events;
  }

  FreshState fresh;
  GameState& g;
  ScriptedUi ui;
  CountingRandom random;
};

}  // namespace koratsu::testing
