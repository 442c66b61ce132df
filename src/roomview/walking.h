#pragma once

namespace koratsu {

// One step of every figure: places, walks and animates them; sets TickHold while one walks.
void MoveFigures();

// Desk `desk` (0..3) of the house just given an assistant: his figure is seen
// at once, with no step taken, where the next update goes on from (a figure
// never placed stands at the start of his way to the desk).
void ShowSeatedDesk(int desk);

}  // namespace koratsu
