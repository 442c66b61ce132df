// The hourly market: the asset ranking's drift and the comics table's sales.

#include "publishing/market.h"

#include <gtest/gtest.h>

#include "state/game_state.h"
#include "state/random.h"
#include "support/fresh_state.h"
#include "support/scripted_random.h"

namespace koratsu {
namespace {

class MarketTest : public ::testing::Test {
 protected:
  MarketTest() : g(fresh.g()) { SetRandomSource(&draws); }
  ~MarketTest() override { EXPECT_EQ(draws.Remaining(), 0u) << "draws the hour did not make"; }

  testing::FreshState fresh;
  GameState& g;
  testing::ScriptedRandom draws;
};

TEST_F(MarketTest, ThePlayerTakesHisMoneyAndTheOthersDriftButNeverFallToNothing) {
  struct Case {
    double assets, growth;
    long fall, times;
    double after;
  } cases[] = {
      {1000, 2, 0, 7, 1014},  {1000, 2, 1, 7, 986},
      {0, 2, 1, 7, 14},       // a fall from nothing rises instead
      {14, 2, 1, 7, 28},      // and so does one that would reach 0
      {15, 2, 1, 7, 1},
      {500, 0.004, 1, 100, 500},  // a unit below 1 may move nothing
  };
  g.Kingaku = 123456;
  g.AssetRankCount = 1 + static_cast<int>(std::size(cases));
  for (size_t i = 0; i < std::size(cases); ++i) {
    g.AssetRankEntry[i + 1].Value = cases[i].assets;
    g.AssetRankEntry[i + 1].Growth = cases[i].growth;
    draws.Expect(2, cases[i].fall).Expect(500, cases[i].times);  // the direction first
  }
  DriftAssetRanking();
  EXPECT_EQ(g.AssetRankEntry[0].Value, 123456);
  for (size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(g.AssetRankEntry[i + 1].Value, cases[i].after) << i;
}

TEST_F(MarketTest, RivalsSellByMomentumAndPopularityUnderTheHoursCap) {
  struct Case {
    double momentum;
    long noise;
    int life;
    double sold, momentumAfter;
  } cases[] = {
      {300, 0, 1, 2475, 298},  // 4950 halved
      {300, 9, 1, 2524, 298},  // 5049 halved
      {200, 0, 1, 2300, 198},  {200, 9, 1, 2399, 198},
      {200, 9, 3, 1199, 198},  // asleep at the last check
      {0, 1, 1, 2, 0},         {-4, 1, 3, 1, -4},
  };
  g.ComicCount = 1;
  rec::ComicEntry& row = g.ComicEntry[0];
  row.MangaIndex = -1;
  row.Popularity = 30;
  for (const Case& c : cases) {
    row.SalesPower = c.momentum;
    row.Copies = 1000;
    row.Ended = c.life == 3;  // a finished series sells all the same
    g.LifeStatus = c.life;
    draws.Expect(c.momentum > 0 ? 10 : 2, c.noise);
    SellComicsTable();
    EXPECT_EQ(row.Copies, 1000 + c.sold) << c.momentum << " " << c.noise;
    EXPECT_EQ(row.SalesPower, c.momentumAfter) << c.momentum;
  }
}

TEST_F(MarketTest, ThePlayersRowsCopyTheirWorksAndDrawNothing) {
  g.MangaWork[2].TotalSold = 45678;
  g.MangaWork[2].Volumes = 4;
  g.MangaWork[2].State = 7;
  g.MangaWork[0].TotalSold = 99;
  g.MangaWork[0].Volumes = 12;
  g.MangaWork[0].State = 8;
  g.ComicCount = 2;
  g.ComicEntry[0].MangaIndex = 2;
  g.ComicEntry[1].MangaIndex = 0;
  SellComicsTable();
  EXPECT_EQ(g.ComicEntry[0].Copies, 45678);
  EXPECT_EQ(g.ComicEntry[0].Volumes, 4);
  EXPECT_EQ(g.ComicEntry[0].Ended, 0);
  EXPECT_EQ(g.ComicEntry[1].Copies, 99);
  EXPECT_EQ(g.ComicEntry[1].Volumes, 12);
  EXPECT_EQ(g.ComicEntry[1].Ended, 1) << "the serial has ended";
}

}  // namespace
}  // namespace koratsu
