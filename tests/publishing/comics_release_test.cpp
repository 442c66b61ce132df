// Closing the comics release notice: the series joins the market at its
// first volume.

#include "publishing/comics_release.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "state/game_state.h"
#include "state/log.h"
#include "support/fresh_state.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

constexpr int kWork = 6;

class ComicsReleaseTest : public ::testing::Test {
 protected:
  ComicsReleaseTest() : g(fresh.g()) {
    g.PlayerSei = "漫画";
    g.PlayerMei = "太郎";
    g.PlayerPopularity = 2;
    g.ComicCount = 40;
    g.MangaWork[kWork].Title = "海の旅";
    g.FormSlot[form::kComicsRelease].Param = kWork;
  }

  void Close(int volumes) {
    g.MangaWork[kWork].Volumes = volumes;
    g.FormSlot[form::kComicsRanking].Redraw = 0;
    CloseComicsRelease();
  }

  testing::FreshState fresh;
  GameState& g;
};

TEST_F(ComicsReleaseTest, TheFirstVolumeAppendsTheSeriesToTheMarket) {
  g.ComicEntry[40].DaysToVolume = 9;  // left over from an earlier game
  Close(1);
  ASSERT_EQ(g.ComicCount, 41);
  const rec::ComicEntry& row = g.ComicEntry[40];
  EXPECT_EQ(row.Title, "海の旅");
  EXPECT_EQ(row.Author, "漫画 太郎");
  EXPECT_EQ(row.MangaIndex, kWork);
  for (const Value* zero : {&row.Popularity, &row.Volumes, &row.FinalVolume, &row.Copies, &row.SalesPower})
    EXPECT_EQ(*zero, 0);
  EXPECT_EQ(g.PlayerPopularity, 2.5);
  EXPECT_EQ(g.FormSlot[form::kComicsRanking].Redraw, 1);
}

TEST_F(ComicsReleaseTest, LaterVolumesAddNoRowButStillMakeThePlayerBetterKnown) {
  Close(1);
  Close(2);
  Close(3);
  EXPECT_EQ(g.ComicCount, 41);
  EXPECT_EQ(g.PlayerPopularity, 3.5);
  EXPECT_EQ(g.FormSlot[form::kComicsRanking].Redraw, 1);
}

TEST_F(ComicsReleaseTest, AFullMarketKeepsTheSeriesOffItAndTouchesNoRow) {
  g.ComicCount = 257;
  g.ComicEntry[256].MangaIndex = -1;
  g.ComicEntry[256].Title = "最後の作品";
  std::vector<std::string> log;
  SetLogSink([&](const std::string& line) { log.push_back(line); });
  Close(1);
  SetLogSink({});
  ASSERT_EQ(log.size(), 1u);
  EXPECT_NE(log[0].find("is full"), std::string::npos) << "and nothing was written outside the table";
  EXPECT_EQ(g.ComicCount, 257);
  EXPECT_EQ(g.ComicEntry[256].MangaIndex, -1);
  EXPECT_EQ(g.ComicEntry[256].Title, "最後の作品");
  EXPECT_EQ(g.PlayerPopularity, 2.5);
  EXPECT_EQ(g.FormSlot[form::kComicsRanking].Redraw, 1);
}

}  // namespace
}  // namespace koratsu
