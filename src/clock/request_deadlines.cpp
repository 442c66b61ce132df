// Deadlines of requested one-shots at 22:00.

#include "clock/phases.h"
#include "publishing/one_shot_deadlines.h"

namespace koratsu {

void RequestDeadlines() { OneShotDeadlines(); }

}  // namespace koratsu
