#pragma once
// The working window (form::kWorking): the face of manga work, the one
// activity without a fixed length. It shows what the player is doing by
// his life schedule, the date and the clock, and a small animation of him
// at his desk; closing it, by its stop button, its close box or the clock
// (StopKoudou), ends the work.

#include "life/activity_windows.h"

namespace koratsu {

// The animation's frames, Image1(0) to Image1(5); the last is also the still picture.
constexpr int kWorkingFrameCount = 6;
constexpr int kWorkingStillFrame = kWorkingFrameCount - 1;

// The window's loading: the animation starts over, the status texts are
// brought up to the hour and the status line stops asking for orders.
void OpenWorking();

// One tick of the window's timer: the frame to show now, or -1 to keep the
// one shown. Asleep, or awake with nothing in production, the still
// picture; at work the frames follow each other on a cycle of 11 ticks,
// two ticks each and one for the last.
int WorkingAnimationStep();

// The window's closing at `place`: the place is remembered for the next
// activity window, time stops, and the main window comes back to the front.
void CloseWorking(WindowPlace place);

}  // namespace koratsu
