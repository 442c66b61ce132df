#pragma once
// The program's one name.

namespace koratsu {

// The product title: the program's title and the title of one novel of the world.
inline constexpr const char* kProductTitle = "Koratsu";

}  // namespace koratsu
