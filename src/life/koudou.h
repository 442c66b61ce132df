#pragma once
// The player's current activity (KoudouMode): 0 none, 1 an outing, 2 manga
// work, 3 a part-time job, 4 training.

namespace koratsu {

// Ends the current activity (no message): time stands still, work stops,
// and the activity's window closes. An outing, job or training stopped
// before its time is over gives nothing: its end never runs with
// KoudouMode 0.
void StopKoudou();

}  // namespace koratsu
