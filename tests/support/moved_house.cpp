#include "support/moved_house.h"

#include "life/moving.h"
#include "state/game_state.h"

namespace koratsu::testing {

void FurnishMovedHouse() {
  State().HouseKind = 1;
  MoveRoomIntoHouse();
}

}  // namespace koratsu::testing
