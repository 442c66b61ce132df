#pragma once
// Reading a saved game (the format: writer.h and schema.h).

#include <string>
#include <string_view>

#include "save/result.h"
#include "state/game_state.h"

namespace koratsu::save {

// Reads a saved game over `g`: every value the file holds replaces the
// state's, the rest stays; the rivals the file holds no record of are found
// again in the comics market. On failure (a missing file, a file cut short, a
// count that is not a number or is past its table, an item that cannot be
// read, a text where only a number can stand) `g` is left exactly as it was.
Result ReadSaveFile(GameState& g, const std::string& path);
Result ReadSaveFileBytes(GameState& g, std::string_view bytes);

}  // namespace koratsu::save
