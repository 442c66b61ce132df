#pragma once
// Starting a new work: the menu's and the toolbar's new-manga command, and
// the choice window Form46 it opens (an own story, a novel adapted, or a
// copy of an existing manga).
//
// FormMode(5) says for whom the work is made: 0 an own work, 1 a one-shot a
// magazine asked for, 2 a serial's first episode. The opener of Form46 sets
// it; the windows behind Form46 read it; placing the work sets it back to 0.

namespace koratsu {

// Refuses while six works are in production, or while the works table
// could not take one more work; otherwise asks how the new work is to be
// made (Form46, mode 0).
void StartNewManga();

}  // namespace koratsu
