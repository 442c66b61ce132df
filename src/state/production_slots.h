#pragma once
// The production slots. The slot table has room for seven rows, but only
// slots 0 to 5 are ever used.

namespace koratsu {

constexpr int kSlotCount = 6;
constexpr int kLastSlot = kSlotCount - 1;

// True while `slot` holds a work in production: its SlotKanseido is above 0.
bool SlotBusy(int slot);

}  // namespace koratsu
