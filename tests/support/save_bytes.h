#pragma once
// Helpers for tests that save and load games: a game's save file as bytes,
// where two of them first differ, files read and written whole, and a file
// or a folder of the running test's own.

#include <filesystem>
#include <string>
#include <vector>

#include "state/game_state.h"

namespace koratsu::testing {

// The save file of `g`, made in memory; a failure to make it fails the test.
std::string SavedBytes(const GameState& g);

// Where two files first differ, for a readable failure: the line number and
// both lines from there.
std::string FirstDifference(const std::string& a, const std::string& b);

// A file's bytes, and a file made of the given bytes.
std::string ReadAll(const std::filesystem::path& path);
void WriteAll(const std::filesystem::path& path, const std::string& bytes);

// A path in the temporary folder named after `name` and the running test.
std::string TempPath(const std::string& name);

// A folder of its own in the temporary folder, removed with all it holds.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();

  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
  // The names of what it holds, sorted.
  std::vector<std::string> Names() const;

  // One owner removes it.
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

 private:
  std::filesystem::path path_;
};

}  // namespace koratsu::testing
