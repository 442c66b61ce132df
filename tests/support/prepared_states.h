#pragma once
// Operations that put a running game where months of play would have taken
// it, for the scenarios and benchmarks that start late: works in any state,
// serials with their volumes and sales, awards already won, a worn-out
// player, works in production, and a career of many works. Each writes the
// records as the rules leave them and draws no random number.
//
// No gtest here: the benchmarks prepare the same games.

#include <string>

#include "state/value.h"

namespace koratsu::testing {

// A finished work in `state` (a manga_state), made from `source` (0 own
// story, 1 a copy, 2 a novel without permission, 3 with it); for states
// past sending, at `magazine`. Its title is `title`, or "既刊N" for its
// record N. The record's index, or -1 when the works table is full.
long long AddWork(int state, int source = 0, int magazine = 0, const std::string& title = "");

// Work `work` as a serial of `magazine`, running or ended: `episodes`
// episodes collected into `volumes` volumes, each sold `soldEach` times
// (at the magazine's comics price), with its row in the comics market.
void MakeSerial(long long work, int magazine, int episodes, int volumes, double soldEach, bool running = true);

// Publisher `publisher` (0 to 4) has given its manga award to a serial of
// its first magazine, made for it; the trophy is held.
void WinAward(int publisher);

// Slot `slot` holds a work in production of kind `kind` (0 own work), at
// `progress` toward `target`, given `points` of the studio's work points.
void BusySlot(int slot, double progress, double target, double points, int kind = 0);

// `works` ended serials of `volumes` volumes each, spread over the magazines.
void ManyWorks(int works, int volumes);

// A serial of the player's running in `magazine` with `episodes` delivered
// (2 to 500), as its last delivery left it: the episodes collected into
// volumes as the magazine's pages filled them, every volume released and
// sold out, the episodes since the last volume waiting for the next one,
// its row in the comics market, the magazine's place taken, and its next
// episode begun in the lowest free slot. Its title is `title`, or "連載N"
// for its record N. The record's index, or -1 when the works table or the
// slots are full.
long long OngoingSerial(int magazine, int episodes, const std::string& title = "");

}  // namespace koratsu::testing
