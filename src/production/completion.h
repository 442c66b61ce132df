#pragma once
// What the completion window (form::kCompletion) shows of each production
// slot, and the two texts it shares with the schedule window: a work's
// label and its completion in percent.

#include <string>

#include "state/value.h"

namespace koratsu {

// A slot's row is on show while its progress is not 0; it is filled while
// the slot is busy (SlotBusy).
bool SlotRowShown(int slot);

// Completion in whole percent, rounded down and never above 100.
int SlotPercent(int slot);

// The kind of work, or a serial episode's title as "連載 『…』".
std::string SlotRowLabel(int slot);

struct CompletionRow {
  std::string label;     // Label3
  std::string deadline;  // Label4: "〆5日", or "〆なし"
  std::string status;    // Label1: "制作中", or "完成" once past the target
  std::string percent;   // Label2: "42%"
  double bar = 0;        // the filled part of the bar, 0 to 1
};

CompletionRow CompletionRowTexts(int slot);

}  // namespace koratsu
