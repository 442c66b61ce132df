#pragma once
// The world of a new game: start values and every catalogue.

namespace koratsu {

// Builds the world of a game right after the state was emptied (new game and load).
void InitWorld();

}  // namespace koratsu
