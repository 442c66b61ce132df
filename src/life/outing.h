#pragma once
// Going out: what the outing dialog (Form25) does to the game. The player
// picks an outing and, in its frame of option buttons, a sub-choice; the
// outing's cost is paid when it starts, and the clock ends it with the
// knowledge its kind and sub-choice teach.

#include <string>

namespace koratsu {

// The number of option buttons across the dialog's ten frames.
constexpr int kOutingOptionCount = 37;

// What the dialog shows of the choice on show: its duration ("1時間 0分")
// and its cost ("2000円").
struct OutingTexts {
  std::string minutes, cost;
};
OutingTexts DescribeOuting();

// The dialog's loading: the last choice is forgotten; the dialog then
// chooses its first outing.
void OpenOuting();
// The list's choice of outing row r: its kind, frame, duration, cost and
// status texts, and its preset option button applied as a click applies it
// (also when that button is already the selected one of its frame).
void ChooseOuting(int row);
// Option button `index` selected: the sub-choice, and for the bets and the
// shops their own duration and cost. Buttons without an effect change nothing.
void ChooseOutingOption(int index);
// The dialog's 決定. An outing the money does not cover is refused with a
// message and nothing changes (false). Otherwise the outing becomes the
// running activity, its cost is paid, the dialog closes and the outing's
// progress window opens (true).
bool StartOuting();

// Every time step: an outing whose time has run out ends with what its kind
// and sub-choice teach, shown in the points-gained window.
void EndOuting();

}  // namespace koratsu
