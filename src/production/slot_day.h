#pragma once
// A production slot's new day: one day less to its deadline, and the
// chance of an accident that spoils part of its pages.

#include "state/value.h"

namespace koratsu {

// Slot `slot`'s new day; a free slot (progress 0) is passed over. A serial
// episode whose deadline comes today queues its deadline event for 18:00.
// One in a hundred days an accident strikes (the accident notice, by
// FormMode of form::kAccident: 0 spilled ink, 1 burnt pages).
void SlotNewDay(int slot);

// The progress an accident leaves: half, or four fifths when the studio
// owns a copier; never below the 0.1 a work starts at.
Value ProgressAfterAccident(const Value& progress, bool copier);

}  // namespace koratsu
