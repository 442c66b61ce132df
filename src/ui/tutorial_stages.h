#pragma once
// The tutorial: a new game in which the editor, in a small guide window
// beside the main window (form::kTutorialGuide), tells the player each step
// of his first work, from typing his name to posting the finished manga to a
// publisher. form::kTutorialStartEnd starts it and, at its last stage, ends it.
//
// A stage moves on when the player uses the window it asks for: that window
// calls AdvanceTutorial with the stage it ends (the stages and their moments
// are in state/tutorial_stage.h). At the last stage the main window's clock
// ends the tutorial.
//
// The stages live below every subsystem's rules, so that the windows'
// rules can move them on.

#include <span>

#include "state/tutorial_stage.h"
#include "state/value.h"

namespace koratsu {

// True from the start window's opening until the tutorial ends. Saving and
// loading are not offered meanwhile (menus, toolbar and tool window alike).
bool TutorialRunning();

// Moves the tutorial from stage `from` to the next one, only when it stands
// at `from`; anywhere else nothing changes (false). The guide shows the new
// stage's lines at its next tick.
bool AdvanceTutorial(int from);

// The guidance lines of a stage, in order; none for 0, 12 and others.
std::span<const char* const> TutorialStageLines(const Value& stage);

// The guide's loading of the current stage: its line list is emptied and
// filled with the stage's lines.
void LoadTutorialStageLines();

// The clock timer's step: true when the tutorial has reached its last stage.
bool TutorialEndDue();

}  // namespace koratsu
