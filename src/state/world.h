#pragma once
// The world of a new game: start values and every catalogue.

namespace koratsu {

// The product title: the program's title and the title of one novel of the world.
inline constexpr const char* kProductTitle = "Koratsu";

// Builds the world of a game right after the state was emptied (new game and load).
void InitWorld();

}  // namespace koratsu
