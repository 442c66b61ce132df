// The rankings: both sorts, the achievements of the 10:00 and 20:00 sort,
// their notices once per game, and the texts the ranking windows show.

#include "publishing/rankings.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "save/reader.h"
#include "save/writer.h"
#include "shell/world_setup.h"
#include "state/game_state.h"
#include "support/fresh_state.h"
#include "support/scripted_ui.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

class RankingsTest : public ::testing::Test {
 protected:
  RankingsTest() : g(fresh.g()) {
    g.GameActive = 1;
    g.PlayerSei = "漫画";
    g.PlayerMei = "太郎";
  }

  // The asset table: the player first, then people of these assets.
  void People(std::initializer_list<double> assets) {
    g.AssetRankCount = 0;
    rec::AssetRankEntry* player = Append(g.AssetRankEntry, g.AssetRankCount);
    player->Name = "旧名";
    for (double a : assets) {
      rec::AssetRankEntry* row = Append(g.AssetRankEntry, g.AssetRankCount);
      row->Name = "資産家" + std::to_string(g.AssetRankCount.Index());
      row->Value = a;
      row->Job = "社長";
    }
  }
  // Rival series of these copies, in table order.
  void Comics(std::initializer_list<double> rivals) {
    g.ComicCount = 0;
    for (double c : rivals) {
      rec::ComicEntry* row = Append(g.ComicEntry, g.ComicCount);
      row->Title = "ライバル" + std::to_string(g.ComicCount.Index());
      row->MangaIndex = -1;
      row->Copies = c;
    }
  }
  // The player's series of work `work`, at the end of the table.
  void PlayersComics(long long work, const char* title, double copies) {
    rec::ComicEntry* row = Append(g.ComicEntry, g.ComicCount);
    row->Title = title;
    row->MangaIndex = work;
    g.MangaWork[work].TotalSold = copies;
    g.MangaWork[work].Volumes = 2;
  }

  testing::FreshState fresh;
  GameState& g;
  testing::ScriptedUi ui;
};

TEST_F(RankingsTest, BothSortsPutTheHighestFirstAndKeepTheTablesOrderOnTies) {
  Comics({500, 900, 500, 1200, 900});
  RebuildComicsRanking();
  std::vector<double> rows;
  for (long long p = 0; p < g.ComicRankCount.Index(); ++p) rows.push_back(g.ComicRanking[p].Row.Num());
  EXPECT_EQ(rows, (std::vector<double>{3, 1, 4, 0, 2}));
  EXPECT_EQ(g.ComicRanking[0].Copies, 1200);

  People({300, 500, 500});
  g.AssetRankEntry[0].Value = 500;
  RebuildAssetRanking();
  rows.clear();
  for (long long p = 0; p < g.AssetRankFill.Index(); ++p) rows.push_back(g.AssetRanking[p].Entry.Num());
  EXPECT_EQ(rows, (std::vector<double>{0, 2, 3, 1})) << "the player level with the richest is first";
}

TEST_F(RankingsTest, TheSortTakesThePlayersMoneyAndNotesHisPlaceAmongTheRich) {
  struct Case {
    double money;
    int achievement;
  } cases[] = {{1000, 1}, {999, 2}, {800, 2}, {799, 3}, {600, 3}, {599, 4}, {100, 4}, {99, 0}, {0, 0}};
  for (const Case& c : cases) {
    People({1000, 900, 800, 700, 600, 500, 400, 300, 200, 100, 50});
    g.Kingaku = c.money;
    g.RankAchievement = 0;
    RankAndNoteAchievement();
    EXPECT_EQ(g.AssetRankEntry[0].Value, c.money);
    EXPECT_EQ(g.RankAchievement, c.achievement) << c.money;
  }
  // Out of the first ten, an achievement found earlier stays.
  g.RankAchievement = 3;
  RankAndNoteAchievement();
  EXPECT_EQ(g.RankAchievement, 3);
}

TEST_F(RankingsTest, ThePlayersLowestComicsAmongTheFirstTenDecidesAndReplacesTheAssetFeat) {
  People({});
  g.Kingaku = 5;  // alone, so first in assets
  struct Case {
    std::vector<double> players;  // copies of the player's works 0, 1, ...
    int achievement;
    const char* title;
  } cases[] = {
      {{2000}, 5, "僕の0"},
      {{2000, 1350}, 8, "僕の1"},  // places 1 and 7
      {{1850}, 6, "僕の0"},       {{1650}, 7, "僕の0"},  {{1450}, 8, "僕の0"},
      {{1}, 1, ""},                // place 11: the asset feat stands
  };
  for (const Case& c : cases) {
    Comics({1900, 1800, 1700, 1600, 1500, 1400, 1300, 1200, 1100, 1000});
    for (size_t w = 0; w < c.players.size(); ++w)
      PlayersComics(static_cast<long long>(w), ("僕の" + std::to_string(w)).c_str(), c.players[w]);
    g.RankAchievement = 0;
    g.RankAchievementTitle = "";
    RankAndNoteAchievement();
    EXPECT_EQ(g.RankAchievement, c.achievement) << c.players[0];
    EXPECT_EQ(g.RankAchievementTitle.Str(), c.title) << c.players[0];
    EXPECT_EQ(g.ComicEntry[10].Copies, c.players[0]) << "the player's row takes his work's copies";
  }
}

TEST_F(RankingsTest, EachNoticeComesOncePerGameAlsoAfterSavingAndLoading) {
  g.RankAchievement = 6;
  g.RankAchievementTitle = "星の島";
  AnnounceRankAchievement();
  ASSERT_EQ(ui.Shown(), std::vector<int>{form::kCongratulation});
  EXPECT_EQ(ui.ControlText(form::kCongratulation, "Label1"), "  「星の島」がｺﾐｯｸｽの売上げが三位以内に入りました。おめでとうございます。");
  EXPECT_EQ(g.RankAchievement, 0);
  EXPECT_EQ(g.RankCongratShown[6], 1);

  g.SaveVersion = "1.20";
  std::string bytes;
  ASSERT_TRUE(save::SaveFileBytes(g, bytes));
  auto loaded = std::make_unique<GameState>();
  StateScope scope(*loaded);
  ClearGameState();
  shell::InitWorld();
  ASSERT_TRUE(save::ReadSaveFileBytes(*loaded, bytes));

  ui.Clear();
  for (int code : {6, 6}) {
    loaded->RankAchievement = code;
    AnnounceRankAchievement();
    EXPECT_TRUE(ui.Shown().empty());
    EXPECT_EQ(loaded->RankAchievement, 6) << "waits for the next sort";
  }
  loaded->RankAchievement = 1;
  AnnounceRankAchievement();
  EXPECT_EQ(ui.Shown(), std::vector<int>{form::kCongratulation});
  EXPECT_EQ(ui.ControlText(form::kCongratulation, "Label1"), "  資産ﾗﾝｷﾝｸﾞで貴方が遂に一位に輝きました。おめでとうございます。");
  ui.Clear();
  loaded->RankAchievement = 0;
  AnnounceRankAchievement();
  EXPECT_TRUE(ui.Shown().empty());
}

TEST_F(RankingsTest, TheWindowsTextsAndThePlayersEntries) {
  struct Case {
    Value volumes, ended;
    const char* text;
  } cases[] = {{12, 1, "全12巻"}, {1, 0, "1巻"}, {3, 0, "1～3巻"}, {0, 0, "1巻"}, {Value(), Value(), "1巻"}, {1, 1, "全1巻"}};
  for (const Case& c : cases) EXPECT_EQ(ComicsVolumesText(c.volumes, c.ended), c.text) << c.text;
  EXPECT_EQ(RankingPlaceText(0), "1位");
  EXPECT_EQ(RankingPlaceText(99), "100位");

  Comics({12000});
  PlayersComics(0, "星の島", 34000);
  g.ComicEntry[1].Copies = 34000;
  g.ComicEntry[1].Author = "漫画太郎";
  g.ComicEntry[1].Volumes = 3;
  RefreshComicsRanking();
  ASSERT_EQ(ComicsPlaces(), 2);
  const ComicsPlace first = DescribeComicsPlace(0);
  EXPECT_EQ(first.title, "星の島");
  EXPECT_EQ(first.volumes, "1～3巻");
  EXPECT_EQ(first.copies, "3万4000冊");
  EXPECT_EQ(first.author, "漫画太郎");
  EXPECT_TRUE(first.player);
  EXPECT_FALSE(DescribeComicsPlace(1).player);

  People({2e8});
  g.AssetRankEntry[0].Value = 12000;
  g.Kingaku = 9e9;  // not copied by the window: the clock does that
  RefreshAssetRanking();
  ASSERT_EQ(AssetPlaces(), 2);
  const AssetPlace second = DescribeAssetPlace(1);
  EXPECT_EQ(second.name, "漫画 太郎");
  EXPECT_EQ(second.assets, "1万2000円");
  EXPECT_TRUE(second.player);
  EXPECT_EQ(DescribeAssetPlace(0).job, "社長");
  EXPECT_FALSE(DescribeAssetPlace(0).player);

  People({});
  for (int i = 0; i < 150; ++i) Append(g.AssetRankEntry, g.AssetRankCount)->Value = i;
  RefreshAssetRanking();
  EXPECT_EQ(AssetPlaces(), kRankingPlaces);
}

}  // namespace
}  // namespace koratsu
