#pragma once

namespace koratsu {

// Places the furniture of the current dwelling in the sprite table.
void FurnishRoom();

}  // namespace koratsu
