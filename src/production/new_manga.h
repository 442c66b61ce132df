#pragma once
// Starting a new work: the menu's and the toolbar's new-manga command.

namespace koratsu {

// Refuses while six works are in production; otherwise asks how the new
// work is to be made.
void StartNewManga();

}  // namespace koratsu
