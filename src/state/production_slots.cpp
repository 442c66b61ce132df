#include "state/production_slots.h"

#include "state/game_state.h"

namespace koratsu {

bool SlotBusy(int slot) { return State().SlotKanseido[slot] > 0; }

}  // namespace koratsu
