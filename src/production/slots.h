#pragma once
// The six production slots: where a new work goes, how many are busy, and
// the steps that every way of placing a work ends with. Their count and
// whether one is busy: state/production_slots.h.

#include <string>

#include "state/production_slots.h"
#include "state/value.h"

namespace koratsu {

// The refusal when all six slots are busy.
extern const char* const kSixWorksMessage;
// The refusal when the works table could not take the works in production
// once they are finished.
extern const char* const kWorksTableFullMessage;

// The first free slot in the order 0 to 5, or -1 when all six are busy.
int FirstFreeSlot();
// The busy slots among 0 to 5.
int BusySlots();
// Recounts SlotsInUse.
void RecountSlotsInUse();
// True when the finished works and the works in production together fill
// the works table: one more work could never get its record.
bool WorksTableFull();

// The studio's work points not allotted to a busy slot, recomputed from
// scratch into SigotoPointLeft.
Value RecountSigotoPointLeft();

// The label of a newly placed work, by the mode in which its planning was
// opened (FormMode(5): 0 own work, 1 requested one-shot, 2 serial) and the
// source of its story (SlotSource). Empty for any other mode.
std::string SlotKindLabel(const Value& mode, const Value& source);

// The common last step of placing a work in `slot` (already at progress 0.1,
// its SlotSource written): label, kind, deadline and magazine by
// FormMode(5), the completion window asked to rebuild, and all unallotted
// work points for the new work.
void SetupNewSlot(const Value& slot);

// What every placing window does once the slot's settings, target and
// source are written: rates the work into SlotRating and SlotQuality, sets
// the slot up and recounts SlotsInUse. Draws three numbers (RateManga).
void CompletePlacing(const Value& slot, const Value& value1, const Value& value2, const Value& value3);

}  // namespace koratsu
