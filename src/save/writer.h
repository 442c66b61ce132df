#pragma once
// Writing the saved game: one text file in code page 932 that holds the
// whole game.
//
// Every value is written in the form it holds: a text between double quotes,
// a number bare (number_text.h), an empty value as nothing. Lines end with
// CR LF. Which values stand on which line is the schema (schema.h).

#include <string>

#include "save/result.h"
#include "state/game_state.h"

namespace koratsu::save {

// The file's bytes for `g`. Fails only when the state holds a count that no
// file could carry back (a text that is not a number, more rows than its table).
Result SaveFileBytes(const GameState& g, std::string& bytes);

// Writes the file for `g` in place of what `path` held, as ReplaceFile does
// (replace_file.h): a failure at any step leaves `path` as it was.
Result WriteSaveFile(const GameState& g, const std::string& path);

}  // namespace koratsu::save
