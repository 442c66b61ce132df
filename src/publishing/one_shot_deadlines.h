#pragma once
// Requested one-shots against their deadline. On the deadline day, at
// 22:00, the editor comes for a one-shot still in production: the first
// time he grants one more day and the activity stops; the second time he
// takes the request back and frees its slot, while the activity goes on and
// the magazine's request state and relations stay as they are.

namespace koratsu {

// 22:00: every production slot in order, one talk for each requested
// one-shot due today.
void OneShotDeadlines();

}  // namespace koratsu
