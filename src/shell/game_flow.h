#pragma once
// The edges of a game: start-up, the title screen, a new game and quitting.
// The main window runs these steps; what they do to the game and in which
// order lives here, so that a test can follow them without a screen.

#include <string>

#include "shell/main_screen.h"

namespace koratsu::shell {

// The status line of the title screen.
extern const char* const kTitleHint;

// The product title and the version values, set once at start-up.
void SetProgramValues();

// "Koratsu Version1.20": the caption of the title screen and of a game until
// the clock first writes the date.
std::string VersionCaption();

// Puts the main window into the title-screen state. Clears no game value.
void ResetGame(MainScreen& screen);

// Ends the running game from window `form` (the game over, the ending, the
// tutorial's end) and goes back to the title screen: nothing is saved, the
// game state stays as it is until the next new game or load, and every
// child window closes, `form` with them.
void ReturnToTitle(MainScreen& screen, int form);

// Starts a game on a state that was just emptied.
void GameOn(MainScreen& screen);

// The new-game window's OK with the typed name. An empty name is refused
// with a message and nothing changes (false); otherwise the window is
// closed, the running game replaced by a new one in the player's name
// (true).
bool ConfirmNewGame(const std::string& name, MainScreen& screen);

// Every way of closing the main window asks first. True when the player
// wants to quit; on No the game, or the title screen, goes on.
bool ConfirmQuit();

// Ends the tutorial mode wherever it stands: the guide closes and the game
// commands it took away come back. The title screen (ResetGame) does this,
// so a game over or the ending during the tutorial ends it too.
void EndTutorial(MainScreen& screen);

}  // namespace koratsu::shell
