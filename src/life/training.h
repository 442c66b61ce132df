#pragma once
// Training: what the training dialog (Form39) does to the game, and what a
// course brings when the clock ends it. A course costs its fee and stamina
// when it starts and may raise its ability at its end.

#include <string>

#include "state/value.h"

namespace koratsu {

// What the dialog shows of course row r: its description, its duration, its
// fee ("3000円") and its stamina cost ("-5ﾎﾟｲﾝﾄ").
struct SyugyouTexts {
  std::string text, minutes, fee, stamina;
};
SyugyouTexts DescribeSyugyou(int row);

// The dialog's loading: the last choice is forgotten; the dialog then
// chooses its first course.
void OpenSyugyou();
// The list's choice of course row r.
void ChooseSyugyou(int row);
// The dialog's 修行する on course row r. A course the money does not cover,
// or one that would leave no stamina, is refused with a message (the money
// first) and nothing changes (false). Otherwise the fee and the stamina are
// paid, the course becomes the running activity, the dialog closes and the
// training's progress window opens (true).
bool StartSyugyou(int row);

// What a finished course of kind `kind` brings, once time has stopped: when
// its ability is below its cap, experience (with any level-up window) and,
// one time in two, an ability row for the points-gained window.
void SyugyouGains(const Value& kind);

// Every time step: a course whose time has run out ends with its gains,
// shown in the points-gained window.
void EndSyugyou();

}  // namespace koratsu
