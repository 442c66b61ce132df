#pragma once
// The running activity (KoudouMode): the pace of its time, how a timed one
// ends when its time is up, and how any of them stops.

#include "state/value.h"

namespace koratsu {

// Minutes per time step for a timed activity of `minutes`.
void SetMinutesPerStep(const Value& minutes);

// Ends the current activity (no message).
void StopKoudou();

// True when the running activity is `koudouMode` and its time has run out.
bool ActivityTimeUp(int koudouMode);

// What every end of a timed activity does once its gains are known: time
// stops, and the activity's progress window closes.
void StopTimedActivity(int progressWindow);

}  // namespace koratsu
