#pragma once
// What moving house does to the room of the running game, for tests that
// need the house: call it once HouseKind is 1. The apartment's items go, the
// house is furnished with every piece of its equipment bought, and the player
// stands at the house's door on the way to his desk.

namespace koratsu::testing {

void FurnishMovedHouse();

}  // namespace koratsu::testing
