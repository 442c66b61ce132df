// The asset and comics rankings, their achievement notices and the end of every tick.

#include "clock/phases.h"

namespace koratsu {

void SortRankings() {}
void EndOfTick() {}

}  // namespace koratsu
