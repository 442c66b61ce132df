#pragma once
// TutorialStage: where the tutorial stands. Each stage waits for the window
// it asks for, and that window ends it (AdvanceTutorial) at this moment:

namespace koratsu::tutorial_stage {

constexpr int kNone = 0;
constexpr int kNewGame = 1;         // a new game starts from the new-game window (its 決定)
constexpr int kJobDialog = 2;       // the part-time-job window opens
constexpr int kJobStart = 3;        // a part-time job starts with that window's 決定
constexpr int kNewManga = 4;        // the new-manga command passes its check of six works in production
constexpr int kSettingsEditor = 5;  // the settings editor opens
constexpr int kSettingsStart = 6;   // the settings editor's 作成開始 is pressed, before its own checks
constexpr int kSchedule = 7;        // the schedule window's 決定 is pressed, before its own checks
constexpr int kWorkTitle = 8;       // the title window of a finished work opens
constexpr int kFinishedWork = 9;    // the window of a new finished work opens
constexpr int kContestPost = 10;    // the posting window opens
constexpr int kPosting = 11;        // the posting animation has run to its end
constexpr int kLast = 12;           // the main window's clock ends the tutorial

}  // namespace koratsu::tutorial_stage
