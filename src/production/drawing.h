#pragma once
// An hour at the desk: drawing progress, finished works and what the hour
// does to stamina.

namespace koratsu {

// Once an hour, after the life schedule was checked. Sleeping through the
// work mode restores stamina. Awake and drawing, every busy slot advances by
// its work points (a work exactly at its target still advances); a work past
// its target is finished: the work stops and its title window opens, slot by
// slot, while a serial episode waits in its slot for its deadline. Returns
// when a title window ended the game. Drawing costs or gives stamina by the
// life schedule; an hour without drawing rests a little.
void DrawingHour();

}  // namespace koratsu
