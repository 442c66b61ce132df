#include "publishing/rival_records.h"

#include <gtest/gtest.h>

#include <memory>

#include "publishing/comics.h"
#include "state/game_state.h"

namespace koratsu {
namespace {

TEST(RivalRecordsTest, RivalsTheFileDoesNotHoldAreFoundAgainInTheComicsTable) {
  auto state = std::make_unique<GameState>();
  GameState& g = *state;
  g.ComicCount = 3;  // the file held the records of rivals 0 .. 2
  auto comic = [&](int row, int rival, int work) {
    g.ComicEntry[row].Title = RivalRosterTitle(rival);
    g.ComicEntry[row].MangaIndex = work;
  };
  comic(0, 3, -1);
  comic(1, 4, 0);  // the player's series under a rival's title
  comic(2, 4, -1);
  g.Rival[0].Debuted = 1;  // came from the file, at row 0
  g.Rival[0].ComicRow = 0;
  const int pastRoster = RivalRosterSize();
  for (int stale : {3, 4, 5, pastRoster}) {  // what a fresh world had made of the others
    g.Rival[stale].Debuted = 1;
    g.Rival[stale].ComicRow = 1;
  }
  RebuildRivalRecords(g);

  EXPECT_EQ(g.Rival[0].ComicRow.Num(), 0) << "records the file holds stay";
  EXPECT_TRUE(g.Rival[3].Debuted.IsEmpty()) << "row 0 is rival 0's already";
  EXPECT_EQ(g.Rival[4].Debuted.Num(), 1);
  EXPECT_EQ(g.Rival[4].ComicRow.Num(), 2) << "the rival's row, not the player's";
  EXPECT_TRUE(g.Rival[5].Debuted.IsEmpty()) << "not in the comics table: not debuted";
  EXPECT_TRUE(g.Rival[pastRoster].Debuted.IsEmpty() && g.Rival[pastRoster].ComicRow.IsEmpty()) << "past the roster";
}

}  // namespace
}  // namespace koratsu
