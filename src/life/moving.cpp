#include "life/moving.h"

namespace koratsu {

void Hikkosi() {
  // Filled in with moving house.
}

}  // namespace koratsu
