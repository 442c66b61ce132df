#pragma once
// Reading a saved game (the format: writer.h and schema.h).

#include <string>
#include <string_view>

#include "save/result.h"
#include "state/game_state.h"

namespace koratsu::save {

// What a read that fails halfway leaves in the state.
enum class OnFailure {
  kTakeBack,  // the state exactly as it was
  kLeave,     // what was read so far: for a fresh state that the caller then drops
};

// Reads a saved game over `g`: every value the file holds replaces the
// state's, the rest stays; the rivals the file holds no record of are found
// again in the comics market. A failure: a missing file, a file cut short, a
// count that is not a number or is past its table, an item that cannot be
// read, a text where only a number can stand.
Result ReadSaveFile(GameState& g, const std::string& path, OnFailure onFailure = OnFailure::kTakeBack);
Result ReadSaveFileBytes(GameState& g, std::string_view bytes, OnFailure onFailure = OnFailure::kTakeBack);

}  // namespace koratsu::save
