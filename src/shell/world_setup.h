#pragma once
// The world of a new game: its start values and every catalogue, in the
// order of steps (and of random draws) that a new game and a load share.

namespace koratsu::shell {

// Builds the world of a game right after the state was emptied (new game and load).
void InitWorld();

}  // namespace koratsu::shell
