#pragma once
// The calendar: the lengths of the months. The words of a date are time
// texts (state/time_text.h).

#include "state/value.h"

namespace koratsu {

// Days of `month` in the current game year; empty for a month outside 1 to 12.
// A month of 13 or more is first brought back by 12 in the caller's variable.
Value DaysInMonth(Value& month);

}  // namespace koratsu
