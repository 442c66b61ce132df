// The end of an outing: its knowledge gains.

#include "clock/phases.h"

namespace koratsu {

void EndOuting() {}

}  // namespace koratsu
