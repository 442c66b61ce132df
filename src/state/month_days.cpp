#include "state/month_days.h"

#include "state/game_state.h"

namespace koratsu {

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

Value DaysInMonth(Value& month) {
  if (month >= 13) month -= 12;
  return MonthLength(month);
}

}  // namespace koratsu
