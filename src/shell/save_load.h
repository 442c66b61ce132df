#pragma once
// Saving the running game to a file of the player's choice, and loading a
// saved game in place of the running one (or of the title screen).

#include <memory>
#include <string>

#include "save/result.h"
#include "shell/main_screen.h"
#include "state/game_state.h"
#include "ui/ui.h"

namespace koratsu::shell {

extern const char* const kSaveFailedMessage;
extern const char* const kLoadFailedMessage;

// The two file dialogs: "Koratsu (*.krt)", and on saving the extension "krt".
// They open where the player last saved or loaded a game.
ui::FileDialogRequest SaveDialogRequest();
ui::FileDialogRequest OpenDialogRequest();

// The folder a file dialog opens in: the one that holds `lastFile` (the file
// last saved or loaded) while that folder is there, else `home`.
std::string DialogFolder(const std::string& lastFile, const std::string& home);

// The save command: the clock stops, the player chooses a path, the game is
// written there. A failed write keeps what the path held before and says so
// while the clock still stands. Cancelling changes nothing.
void SaveGame();

// The load command: the clock stops, the player chooses a file, a fresh game
// is built and read from it; only when the whole file was read does it take
// the running game's place. Otherwise the running game, or the title screen,
// stays exactly as it was and the player is told.
void LoadGame(MainScreen& screen);

// A game built fresh (cleared, world set up, the rivals' comics and the
// figures placed) and read from the file at `path`, without touching the
// running game or any window; nullptr when the file could not be read whole.
std::unique_ptr<GameState> ReadGameFile(const std::string& path, save::Result* result = nullptr);

// Closes the running game's windows, puts `loaded` in its place and brings
// the main window into the running-game state with the file's settings: no
// activity runs, the activity windows open centred again.
void StartLoadedGame(std::unique_ptr<GameState> loaded, MainScreen& screen);

}  // namespace koratsu::shell
