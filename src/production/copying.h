#pragma once
// Copying an existing manga: the copy window (Form50). Nobody is asked and
// the current activity goes on; the copy's source stays with the work.

#include "state/value.h"

namespace koratsu {

// Form50's 決定 on row `row` of the existing manga. Refuses, with the
// six-works message and before any draw, while no slot is free. Otherwise
// draws one number and asks; on yes places the copy, closes the copy window
// and Form46 and, unless a serial's first episode is being set up, opens
// the schedule. True when the work was placed.
bool ConfirmCopy(const Value& row);

}  // namespace koratsu
