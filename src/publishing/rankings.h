#pragma once
// The comics sales ranking and the personal-asset ranking: rebuilt whole
// from their tables by the clock at 10:00 and 20:00, where the player's
// best standing becomes a ranking achievement announced once per game, and
// by the two ranking windows at every refresh, which show the first 100
// places.

#include <string>

#include "state/value.h"

namespace koratsu {

// Every comics row, in table order, sorted by copies sold, highest first;
// equal counts keep the table's order.
void RebuildComicsRanking();
// Every asset row likewise, by assets: the player (row 0) wins every tie.
void RebuildAssetRanking();

// The clock's sort at 10:00 and 20:00: both rankings rebuilt from the
// player's money and his works' totals, and the achievement they show
// noted for the end of the tick. A comics achievement replaces an asset
// achievement; the player's lowest-placed comics among the first ten
// decides it.
void RankAndNoteAchievement();

// The end of every tick: an achievement not yet announced in this game is
// announced in the congratulations window; one announced before waits, as
// it is, for the next sort.
void AnnounceRankAchievement();

// The windows' refreshes: the rankings as the clock builds them, the asset
// ranking after the player's row has taken his name.
void RefreshComicsRanking();
void RefreshAssetRanking();

// The places a window shows.
constexpr int kRankingPlaces = 100;
// "1位" for place 0.
std::string RankingPlaceText(int place);
// The places there are to show, at most kRankingPlaces.
int ComicsPlaces();
int AssetPlaces();

// A series' volumes: "1巻" or "1～3巻" while it runs, "全12巻" once finished.
std::string ComicsVolumesText(const Value& volumes, const Value& ended);

// What a window shows at a place; `player` marks the player's entry.
struct ComicsPlace {
  std::string title, volumes, copies, author;
  bool player;
};
ComicsPlace DescribeComicsPlace(int place);
struct AssetPlace {
  std::string name, assets, job;
  bool player;
};
AssetPlace DescribeAssetPlace(int place);

}  // namespace koratsu
