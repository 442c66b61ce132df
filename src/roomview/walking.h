#pragma once

namespace koratsu {

// One step of every figure: places, walks and animates them; sets TickHold while one walks.
void MoveFigures();

}  // namespace koratsu
