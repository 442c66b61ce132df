#include "roomview/walking.h"

namespace koratsu {

void MoveFigures() {}

}  // namespace koratsu
