#pragma once
// Time as text: durations, the hour on a half-day dial and the weekday, as
// the caption, the information panel and the activity windows write them.

#include <string>

#include "state/value.h"

namespace koratsu {

// A duration as text with "分", "時間" and "日".
std::string FormatMinutes(const Value& minutes);

// The hour on a half-day dial: "午前 0" at 0:05, "午後 0" at noon, "午後 11" at 23:00.
std::string HalfDayHour(const Value& hour);

// "日曜日" to "土曜日" for weekday 0 to 6; "" for any other value.
const char* WeekdayName(const Value& weekday);

}  // namespace koratsu
