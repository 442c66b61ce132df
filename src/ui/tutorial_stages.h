#pragma once
// The tutorial: a new game in which the editor, in a small guide window
// beside the main window (form::kTutorialGuide), tells the player each step
// of his first work, from typing his name to posting the finished manga to a
// publisher. form::kTutorialStartEnd starts it and, at its last stage, ends it.
//
// A stage moves on when the player uses the window it asks for: that window
// calls AdvanceTutorial with the stage it ends, at this moment:
//    1  a new game starts from the new-game window (form::kNewGame's 決定)
//    2  the part-time-job window form::kArubaito opens
//    3  a part-time job starts with form::kArubaito's 決定
//    4  the new-manga command passes its check of six works in production
//    5  the settings editor form::kSettingsEditor opens
//    6  form::kSettingsEditor's 作成開始 is pressed, before its own checks
//    7  the schedule window form::kSchedule's 決定 is pressed, before its own checks
//    8  the title window form::kWorkTitle of a finished work opens
//    9  the window of a new finished work form::kFinishedWork opens
//   10  the posting window form::kContestPost opens
//   11  the posting animation form::kPostingAnimation has run to its end
// At stage 12 the main window's clock ends the tutorial.
//
// The stages live below every subsystem's rules, so that the windows'
// rules can move them on.

#include <span>

#include "state/value.h"

namespace koratsu {

constexpr int kTutorialLastStage = 12;

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
