#include "roomview/furnish.h"

namespace koratsu {

void FurnishRoom() {}

}  // namespace koratsu
