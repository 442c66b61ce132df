#pragma once
// The works table: one record per finished one-shot or serial, appended and
// never removed, so that a record's index names its work for the rest of
// the game.

#include <string>

#include "state/game_state.h"
#include "state/value.h"

namespace koratsu {

// MangaState: where a work stands.
namespace manga_state {
constexpr int kUnsent = 1;             // own work named, not yet sent
constexpr int kSent = 2;               // posted to a contest or brought to an editor
constexpr int kRequestNamed = 4;       // requested one-shot just named, about to be delivered
constexpr int kRequestDelivered = 5;   // requested one-shot delivered, answer pending
constexpr int kSerialRunning = 7;
constexpr int kSerialEnded = 8;
constexpr int kTaken = 9;              // prized at a contest or adopted when brought in
constexpr int kRequestAccepted = 10;
constexpr int kRequestRejected = 11;
}  // namespace manga_state

// The works table holds this many records.
constexpr long long kMangaWorkCapacity = decltype(GameState::MangaWork)::kCapacity;

// Appends a record at MangaCount and raises the count. The record keeps
// what a new game left in it. Returns its index, or -1 when the table is
// full (nothing written, one log line).
long long AppendMangaWork();

// True when a record's title is exactly `title`: no trimming, and letter
// case and width count.
bool TitleTaken(const std::string& title);

// Record `m` takes the make-up of the work in production slot `s`: its
// settings (with the new work's used flags), its classification and the
// classification's points.
void RecordSlotMakeup(long long s, long long m);

}  // namespace koratsu
