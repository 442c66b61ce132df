#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "publishing/comics.h"
#include "save/reader.h"
#include "save/writer.h"
#include "state/computer_clock.h"
#include "state/game_state.h"
#include "state/random.h"
#include "shell/world_setup.h"
#include "support/fresh_state.h"
#include "support/scripted_ui.h"

namespace koratsu {
namespace {

// The market of a new game travels whole through a saved file.
TEST(ComicsSaveTest, NewGameMarketIsSavedAndReadBackWhole) {
  testing::ScriptedUi ui;
  FixedClock clock({1970, 7, 3, 6, 14, 0, 0}, 123.0);  // the roster's special date
  SetComputerClock(&clock);
  SeededRandom random(11);
  SetRandomSource(&random);

  testing::FreshState fresh;
  GameState& g = fresh.g();
  g.SaveVersion = "1.20";
  g.AppTitle = "Koratsu";
  ClearGameState();
  shell::InitWorld();
  UpdateRivalComics();
  ASSERT_GT(g.ComicCount.Index(), 0);

  std::string bytes;
  ASSERT_TRUE(save::SaveFileBytes(g, bytes));

  auto loaded = std::make_unique<GameState>();
  {
    StateScope scope(*loaded);
    ClearGameState();
    shell::InitWorld();
  }
  ASSERT_TRUE(save::ReadSaveFileBytes(*loaded, bytes));

  ASSERT_TRUE(loaded->ComicCount == g.ComicCount);
  for (long long r = 0; r < g.ComicCount.Index(); ++r) {
    const auto& a = g.ComicEntry[r];
    const auto& b = loaded->ComicEntry[r];
    EXPECT_EQ(b.Title.Str(), a.Title.Str()) << r;
    EXPECT_EQ(b.Author.Str(), a.Author.Str()) << r;
    EXPECT_TRUE(b.Copies == a.Copies && b.MangaIndex == a.MangaIndex &&
                b.Popularity == a.Popularity && b.SalesPower == a.SalesPower &&
                b.Volumes == a.Volumes && b.DaysToVolume == a.DaysToVolume &&
                b.FinalVolume == a.FinalVolume && b.Ended == a.Ended)
        << r;
  }
  for (int rival = 0; rival < RivalRosterSize(); ++rival) {
    EXPECT_TRUE(loaded->Rival[rival].Debuted == g.Rival[rival].Debuted) << rival;
    EXPECT_TRUE(loaded->Rival[rival].ComicRow == g.Rival[rival].ComicRow) << rival;
  }

  std::string again;
  ASSERT_TRUE(save::SaveFileBytes(*loaded, again));
  EXPECT_EQ(again, bytes);

  SetComputerClock(nullptr);
}

}  // namespace
}  // namespace koratsu
