// Contest results at noon.

#include "clock/phases.h"

namespace koratsu {

void ContestResults() {}

}  // namespace koratsu
