#include "production/point_buttons.h"

#include "state/game_state.h"

namespace koratsu {

bool StepHeldPointButton(Value& pool, Value& held) {
  const Value& repeat = State().PointRepeat;
  if (repeat == kPointRepeatAdd && pool >= 1) {
    held += 1;
    pool -= 1;
    return true;
  }
  if (repeat == kPointRepeatTakeBack && held >= 1) {
    held -= 1;
    pool += 1;
    return true;
  }
  return false;
}

}  // namespace koratsu
