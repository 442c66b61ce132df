#pragma once
// The schedule window (form::kSchedule): the studio's work points shared
// out among the works in production, and the pace of work.
//
// Everything is edited on working copies: each busy slot's points in its
// SigotoPointEdit, the unallotted rest in SigotoPointLeft and the pace in
// SukezyuruTypeEdit (with SukezyuruHours following it, so that the
// estimates show what the pace would give). OK commits the points and the
// pace; whatever closes the window puts SukezyuruHours back to the
// committed pace.

#include <string>

#include "state/value.h"

namespace koratsu {

extern const char* const kZeroPointsQuestion;

// The window's loading: the busy slots recounted, their points copied,
// the unallotted points worked out and the committed pace copied.
void OpenSchedule();

// The days until the work in `slot` is finished at its working points and
// the waking hours of the pace selected, if every waking hour were worked.
Value ScheduleEstimate(int slot);

struct ScheduleRow {
  std::string label;       // Label3
  std::string percent;     // Label2
  double bar = 0;          // the filled part of the bar, 0 to 1
  std::string points;      // Label8: the working points
  std::string completion;  // Label1: the estimate, "完成予定なし" or "完成しています"
  bool completionCentred = false;
  std::string deadline;    // Label4: "〆切まであと 5日" or "〆切なし"
  bool deadlineCentred = false;
  bool deadlineRed = false;
};

// The texts of busy slot `slot`'s row, as they stand now.
ScheduleRow ScheduleRowTexts(int slot);

// "20ﾎﾟｲﾝﾄ": the studio's points, and those not yet given to a work.
std::string ScheduleTotalText();
std::string ScheduleLeftText();

// "ﾎﾟｲﾝﾄ均等": every busy slot gets an equal share, the last one the rest.
void SplitSchedulePointsEvenly();

// A press on row `slot`'s ▲ (kPointRepeatAdd) or ▼ (kPointRepeatTakeBack),
// and the release.
void PressSchedulePointButton(int slot, int repeat);
void ReleaseSchedulePointButton();
// One tick of the window's timer: a held button moves one point between
// its row and the unallotted points. True while a button is held: the rows
// are then recomputed, whether or not a point moved.
bool ScheduleTimerStep();

// The pace option k (0 余裕を持って, 1 普通に, 2 無理をして) chosen.
void ChooseSchedulePace(int k);

// The verdict on the player's stamina, by its share of the maximum.
std::string StaminaVerdict();

// OK (決定): moves the tutorial on, then, when a work in production has no
// points, asks whether that is meant; any answer but yes keeps the window
// open with its edits (false). Otherwise commits the points and the pace
// and closes the window (true).
bool ConfirmSchedule();

// Cancel (キャンセル): closes the window; nothing is committed.
void CancelSchedule();

// The window's closing, however it closes.
void CloseSchedule();

}  // namespace koratsu
