#pragma once
// The editors' noon visits: a one-shot request from a magazine that knows
// the player, a serial offer from one that knows him well, or a first
// request from a magazine whose publisher knows him. Six noons must pass
// between two visits, so a noon brings at most one: the first magazine in
// row order whose rule comes true. The reply is the request window's
// (form::kRequestReply); a serial offer accepted there is set up before the
// visit returns.

#include <string>

#include "state/value.h"

namespace koratsu {

// Noons that must pass after a visit before the next one.
inline constexpr int kNoonsBetweenVisits = 6;

// The deadline of magazine row `magazine` as the serial offer names it:
// "毎月 N日" for a monthly, "毎週 " and the weekday for a weekly.
std::string SerialDeadlineText(const Value& magazine);

// Noon: DaysSinceOffer counts the noon, PublisherSerialRunning is
// recomputed, then every magazine in row order may visit. Returns at once
// when the game ended inside a visit.
void NoonMagazineVisits();

}  // namespace koratsu
