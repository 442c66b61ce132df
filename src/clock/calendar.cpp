// The calendar: the new day and the month's roll-over.

#include "clock/calendar.h"

#include "clock/phases.h"
#include "state/game_state.h"

namespace koratsu {

namespace {

// After the daily rules, which still see the old month and a day one past its end.
void RollMonthAndYear() {
  GameState& g = State();
  const Value length = MonthLength(g.GameMonth);
  // "Past the end" rather than "one past the end": a 29 February taken from
  // the computer's clock in a year without one still leaves February.
  if (!length.IsEmpty() && g.GameDay > length) {
    g.GameDay = 1;
    g.GameMonth += 1;
  }
  if (g.GameMonth == 13) {
    g.GameMonth = 1;
    g.GameYear += 1;
  }
}

}  // namespace

void NewDay() {
  GameState& g = State();
  g.GameHour = 0;
  g.GameDay += 1;
  g.GameWeekday += 1;
  if (g.GameWeekday == 7) g.GameWeekday = 0;
  DailyRules();
  if (GameEnded()) return;
  RollMonthAndYear();
}

}  // namespace koratsu
