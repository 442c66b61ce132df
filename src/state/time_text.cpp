#include "state/time_text.h"

namespace koratsu {

std::string FormatMinutes(const Value& minutes) {
  const double m = minutes.Num();
  if (m < 60) return Join(m, "分");
  const double hours = Int(m / 60);
  if (m <= 1440) {
    const double rest = m - 60 * hours;
    return Join(hours, rest < 10 ? "時間 " : "時間", rest, "分");
  }
  // Above a day the minutes are dropped.
  const double days = Int(hours / 24);
  return Join(days, "日", hours - 24 * days, "時間");
}

std::string HalfDayHour(const Value& hour) {
  return hour >= 12 ? Join("午後 ", hour - 12) : Join("午前 ", hour);
}

const char* WeekdayName(const Value& weekday) {
  static const char* const names[] = {"日曜日", "月曜日", "火曜日", "水曜日", "木曜日", "金曜日", "土曜日"};
  for (int d = 0; d < 7; ++d)
    if (weekday == d) return names[d];
  return "";
}

}  // namespace koratsu
