#pragma once
// Press-and-hold point buttons, as the settings editor, the schedule window
// and the next-episode panel use them.
//
// Pressing an arrow sets PointRepeat (▲ adds, ▼ takes back) and the window
// notes which row it acts on; releasing sets it back to idle. The window's
// free-running 100 ms timer then calls StepHeldPointButton once per tick
// with the row's two amounts, and plays its sound and redraws when a point
// moved. The timer is never restarted by a press, so a click shorter than
// one tick moves nothing, and a held button moves ten points a second.

#include "state/value.h"

namespace koratsu {

// PointRepeat: no button held, ▲ held, ▼ held.
constexpr int kPointRepeatIdle = 0;
constexpr int kPointRepeatAdd = 1;
constexpr int kPointRepeatTakeBack = 2;

// One timer tick of the held button, by PointRepeat: ▲ moves one point from
// `pool` to `held` while the pool has one, ▼ moves one back while `held` has
// one. True when a point moved.
bool StepHeldPointButton(Value& pool, Value& held);

}  // namespace koratsu
