#pragma once
// What moving house does to the room of the running game, for tests that
// need the house without paying for it: the house's room as the move leaves
// it, with the equipment the player owns at its places there (a test that
// wants equipment in the room marks its Equipment rows Owned first).

namespace koratsu::testing {

void FurnishMovedHouse();

}  // namespace koratsu::testing
