#include "state/world.h"

namespace koratsu {

void InitWorld() {}

}  // namespace koratsu
