// The end of a training: experience and the trained ability.

#include "clock/phases.h"

namespace koratsu {

void EndSyugyou() {}

}  // namespace koratsu
