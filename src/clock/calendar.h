#pragma once
// The calendar's words, as the caption and the information panel write the
// game's date and hour.

#include <string>

#include "state/value.h"

namespace koratsu {

// "日曜日" to "土曜日" for weekday 0 to 6; "" for any other value.
const char* WeekdayName(const Value& weekday);

// The hour on a twelve-hour dial: "午前 9", "午後 1", "午後 0" at noon.
std::string TwelveHourText(const Value& hour);

}  // namespace koratsu
