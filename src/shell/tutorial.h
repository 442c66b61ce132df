#pragma once
// The tutorial's start and end window and its guide: how a tutorial game
// begins and ends. Its stages are in ui/tutorial_stages.h.

#include "shell/main_screen.h"

namespace koratsu::shell {

// The start and end window (form::kTutorialStartEnd) decides, as it loads,
// which of the two it is: opened while the tutorial is off, it switches it on
// and offers the start; opened while it runs, it closes the guide, switches
// it off, gives back the menus and offers the end.
enum class TutorialWindowRole { Start, End };
TutorialWindowRole OpenTutorialWindow(MainScreen& screen);

// Its only button. At the start: the guide opens, then the new-game
// window; a new game from it runs the tutorial with the game commands taken
// away, a cancelled one ends the tutorial at once. At the end: the tutorial
// game ends and the title screen comes back.
void PressTutorialWindowButton(MainScreen& screen);

// Closes the guide and shows the end window; returns when it has closed.
void ShowTutorialEnd();

}  // namespace koratsu::shell
