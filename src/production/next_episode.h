#pragma once
// The next episode of a running serial, planned in the delivery window's
// points panel: for each of the serial's three settings the player decides
// how many points of its knowledge item go into the next episode. Every
// setting loses 5 points an episode, so a serial keeps its quality only
// while the player keeps investing.
//
// The panel works on the serial of SerialSlot (the next episode's slot) and
// on the working copy of the knowledge points (KnowledgeItem.PointWork);
// the points the player holds (Point) change only when "送る" books the plan.

#include <string>

#include "state/value.h"

namespace koratsu {

// Presets the panel: each setting with a knowledge item takes 3 of its
// working points, or all there are when fewer (SerialPointsAdd).
void PrepareNextEpisodePoints();

// One row of the panel, for setting k (0 to 2).
struct NextEpisodeRow {
  bool hasItem = false;
  std::string name;        // the item's name, or "なし"
  Value added;             // the points going into the setting (with an item only)
  Value points;            // the item's working points left
  Value cap;               // TiPointMax, the bar's scale
  std::string pointsText;  // points + "/" + cap
};
NextEpisodeRow NextEpisodeRowShown(int k);

// The panel's arrows: pressing one holds it for setting k (repeat:
// kPointRepeatAdd ▲, kPointRepeatTakeBack ▼), releasing lets go.
void PressNextEpisodePointButton(int k, int repeat);
void ReleaseNextEpisodePointButton();
// One tick of the panel's timer in the serial mode: the held arrow moves
// one point. The setting whose row changed, or -1.
int NextEpisodeTimerStep();

// "送る" for a serial that goes on: the points are booked, the next episode
// is rated, its quality lowered by 1.5 per episode delivered (never below
// 10) and the rank the next delivery counts is fixed. The player keeps the
// working copy of his points. Draws RateManga's three numbers.
void BookNextEpisode();

}  // namespace koratsu
