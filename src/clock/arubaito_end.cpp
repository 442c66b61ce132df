// The end of a part-time job: its knowledge gains and its pay.

#include "clock/phases.h"

namespace koratsu {

void EndArubaito() {}

}  // namespace koratsu
