#pragma once
// The lengths of the game's months: a plain number rule that the clock's
// calendar and the deadlines of the editors share.

#include "state/value.h"

namespace koratsu {

// Days of a month 1 to 12 in the current game year, else empty. Every
// fourth year is a leap year, with no other rule.
Value MonthLength(const Value& month);

// Days of `month` in the current game year; empty for a month outside 1 to 12.
// A month of 13 or more is first brought back by 12 in the caller's variable.
Value DaysInMonth(Value& month);

}  // namespace koratsu
