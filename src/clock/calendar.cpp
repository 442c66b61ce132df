// The calendar: days of a month, the new day and the month's roll-over.

#include "clock/calendar.h"

#include "clock/phases.h"
#include "state/game_state.h"

namespace koratsu {

namespace {

// Days of a month 1 to 12 of the current game year, else empty. Every fourth
// year is a leap year, with no other rule.
Value MonthLength(const Value& month) {
  const double m = month.Num();
  if (m != Int(m) || m < 1 || m > 12) return {};
  switch (static_cast<int>(m)) {
    case 4:
    case 6:
    case 9:
    case 11:
      return 30;
    case 2:
      return State().GameYear.Index() % 4 == 0 ? 29 : 28;
    default:
      return 31;
  }
}

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

Value DaysInMonth(Value& month) {
  if (month >= 13) month -= 12;
  return MonthLength(month);
}

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
