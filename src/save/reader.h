#pragma once
// The saved game: one text file in code page 932 that holds the whole game.
//
// Every value is written in the form it holds: a text between double quotes,
// a number bare (the shortest text that reads back as the same double), an
// empty value as nothing. Lines end with CR LF. Which values stand on which
// line is the schema of save_schema.h.

#include <string>
#include <string_view>
#include <vector>

#include "state/game_state.h"

namespace koratsu::save {

struct SaveFileResult {
  bool ok = false;
  std::string error;  // what went wrong, for the log; empty on success

  explicit operator bool() const { return ok; }
};

// The file's bytes for `g`. Fails only when the state holds a count that no
// file could carry back (a text that is not a number, more rows than its table).
SaveFileResult SaveFileBytes(const GameState& g, std::string& bytes);

// Writes the file for `g` to `path`, replacing what the path held. Fails on
// any error from opening to closing, the data flushed to the disk included;
// after a failure the path may hold part of the file, so a player's game is
// best written to a path beside it and renamed over it after success.
SaveFileResult WriteSaveFile(const GameState& g, const std::string& path);

// Reads a saved game over `g`: every value the file holds replaces the
// state's, the rest stays. On failure (a missing file, a file cut short, a
// count that is not a number or is past its table, an item that cannot be
// read) `g` is left exactly as it was.
SaveFileResult ReadSaveFile(GameState& g, const std::string& path);
SaveFileResult ReadSaveFileBytes(GameState& g, std::string_view bytes);

// The file holds rival records only for rival numbers below ComicCount. For
// every higher number, finds the rival's series in the comics table (a row
// with ComicMangaIndex -1 and the roster's title, not already another rival's)
// and records it as debuted there; a rival without one is not debuted.
void RebuildRivalRecords(GameState& g, const std::vector<std::string>& rosterTitles);

}  // namespace koratsu::save
