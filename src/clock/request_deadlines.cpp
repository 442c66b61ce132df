// Deadlines of requested one-shots at 22:00.

#include "clock/phases.h"

namespace koratsu {

void RequestDeadlines() {}

}  // namespace koratsu
