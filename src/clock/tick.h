#pragma once
// The game clock: one tick per event of the main window's clock timer.

#include <string>

#include "state/value.h"

namespace koratsu {

void GameTick();
// Ends the current activity (no message).
void StopKoudou();
// Minutes per time step for a timed activity of `minutes`.
void SetMinutesPerStep(const Value& minutes);
// A duration as text with "分", "時間" and "日".
std::string FormatMinutes(const Value& minutes);

}  // namespace koratsu
