#pragma once
// The game clock: one tick per event of the main window's clock timer.

#include <string>

#include "state/value.h"

namespace koratsu {

// One step of the simulation; the main window's clock timer calls it once per
// event, after drawing its own discarded random number. Opens the game's
// notices and dialogs from inside itself and returns once they have closed.
void GameTick();
// Minutes per time step for a timed activity of `minutes`.
void SetMinutesPerStep(const Value& minutes);
// A duration as text with "分", "時間" and "日".
std::string FormatMinutes(const Value& minutes);
// Days of `month` in the current game year; empty for a month outside 1 to 12.
// A month of 13 or more is first brought back by 12 in the caller's variable.
Value DaysInMonth(Value& month);

}  // namespace koratsu
