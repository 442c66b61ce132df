#pragma once
// The phases of one clock tick, in the order GameTick runs them.
//
// GameTick decides when each phase runs (every step, every hour, a given hour)
// and returns as soon as the game has ended inside one: after a phase that can
// open a window it checks GameEnded(). A phase that opens windows in a loop
// checks it too, after each window that can end the game, and returns.
// A phase with an empty body has its rules still to come.

#include "state/game_state.h"

namespace koratsu {

// Every step, before the hour: the room figures take one step (MoveFigures).

// Every hour, first: the low-stamina warning, then the game over at stamina 0.
void LowStaminaCheck();
// 15:00: popularity events of the works with comics.
void PopularityEvents();
// Every hour: the asset ranking drifts; the comics table sells.
void AssetDriftAndComicsTable();
// Every hour: movie audience, comics sales and reprints, million sellers,
// the award chance and the returns warning.
void ComicsSales();
// Every hour: the life schedule, stamina, drawing progress and finished works.
void StaminaAndDrawing();
// 22:00: deadlines of requested one-shots.
void RequestDeadlines();
// Noon: contest results.
void ContestResults();
// Noon, after the contest results: one-shot requests and serial offers.
void MagazineVisits();
// 14:00: the rivals' day and fan letters.
void RivalDayAndFanLetters();
// Every hour: editor events due today whose hour has come.
void FireEditorEvents();
// 10:00 and 20:00: the asset and comics rankings with their achievements.
void SortRankings();
// Hour 24: the new day, its daily rules, then the month and year roll-over.
void NewDay();
// The rules of a new day, between the day's start and the month's roll-over.
void DailyRules();
// Every tick unless the game ended: a pending ranking notice, and the
// player's figure hidden while he is away.
void EndOfTick();

}  // namespace koratsu
