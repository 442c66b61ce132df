#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "state/game_state.h"
#include "state/value.h"
#include "support/fresh_state.h"
#include "support/full_tables.h"
#include "support/state_texts.h"

namespace koratsu {
namespace {

// Every game-state field is one 8-byte word (a Value or a Money), so a state
// can be filled and inspected word by word.
const std::uint64_t kSeven = [] {
  double seven = 7;
  std::uint64_t bits;
  std::memcpy(&bits, &seven, sizeof bits);
  return bits;
}();

template <class T>
void FillWords(T& object) {
  static_assert(sizeof(T) % 8 == 0);
  auto* words = reinterpret_cast<std::uint64_t*>(&object);
  for (std::size_t i = 0; i < sizeof(T) / 8; ++i) words[i] = kSeven;
}

template <class T>
bool AllEmpty(const T& object) {
  const auto* values = reinterpret_cast<const Value*>(&object);
  for (std::size_t i = 0; i < sizeof(T) / 8; ++i)
    if (!values[i].IsEmpty()) return false;
  return true;
}

// A whole table: its rows, not the scratch row behind them.
template <class T, std::size_t N>
bool AllEmpty(const Table<T, N>& table) {
  for (const T& row : table)
    if (!AllEmpty(row)) return false;
  return true;
}

template <class T>
bool AllSeven(const T& object) {
  const auto* words = reinterpret_cast<const std::uint64_t*>(&object);
  for (std::size_t i = 0; i < sizeof(T) / 8; ++i)
    if (words[i] != kSeven) return false;
  return true;
}

template <class T, std::size_t N>
bool AllSeven(const Table<T, N>& table) {
  for (const T& row : table)
    if (!AllSeven(row)) return false;
  return true;
}

class ClearTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FillWords(g());
    // Counts the clearing reads: rows below them are in use.
    g().AsiCount = 19;
    g().PollArtistCount = 16;
    g().AssetRankCount = 100;
    g().ComicCount = 40;
    g().NovelCount = 39;
    g().FigureCount = 5;
    g().OtherMangaCount = 34;
    g().SanpoCount = 10;
    g().ArubaitoCount = 22;
    g().SyugyouCount = 5;
    g().TiItemCount = 97;
    g().MangaCount = 3;
    g().MagazineCount = 10;
    g().RoomItemSpriteCount = 6;
    g().TutorialStage = 1;
    g().AppTitle = "Koratsu";
    g().SaveVersion = "1.20";
    g().AppVersion = "1.20";
    ClearGameState();
  }
  GameState& g() { return fresh.g(); }
  testing::FreshState fresh;
};

// Which single values survive: the program's own, not the game's.
bool Kept(const GameState& g, const Value* v) {
  const Value* kept[] = {&g.SaveVersion, &g.AppVersion,       &g.AppTitle,
                         &g.TutorialStage, &g.TutorialMode,   &g.TutorialBlink,
                         &g.TutorialLineCount, &g.TutorialLineIndex, &g.AboutClickA,
                         &g.AboutClickB};
  for (const Value* k : kept)
    if (k == v) return true;
  return false;
}

TEST_F(ClearTest, EmptiesEverySingleValueButTheProgramsOwn) {
  // The single values lie before the first table.
  const auto* first = reinterpret_cast<const Value*>(&g());
  const auto* end = reinterpret_cast<const Value*>(&g().Assistant);
  for (const Value* v = first; v != end; ++v) {
    if (Kept(g(), v)) {
      EXPECT_FALSE(v->IsEmpty()) << "kept value #" << (v - first);
    } else {
      EXPECT_TRUE(v->IsEmpty()) << "single value #" << (v - first) << " was not emptied";
    }
  }
  EXPECT_EQ(g().AppTitle.Str(), "Koratsu");
  EXPECT_TRUE(g().TutorialStage == 1);
}

TEST_F(ClearTest, EmptiesCountedTablesOverTheRowsInUseOnly) {
  EXPECT_TRUE(AllEmpty(g().Assistant[18]));
  EXPECT_TRUE(AllSeven(g().Assistant[19]));
  EXPECT_TRUE(AllEmpty(g().AsiList[18]));
  EXPECT_TRUE(AllSeven(g().AsiList[19]));
  // The poll is emptied one row further than the artists in use.
  EXPECT_TRUE(AllEmpty(g().PollArtist[16]));
  EXPECT_TRUE(AllSeven(g().PollArtist[17]));
  EXPECT_TRUE(AllEmpty(g().AssetRankEntry[99]));
  EXPECT_TRUE(AllEmpty(g().AssetRanking[99]));
  EXPECT_TRUE(AllSeven(g().AssetRankEntry[100]));
  EXPECT_TRUE(AllEmpty(g().ComicEntry[39]));
  EXPECT_TRUE(AllEmpty(g().ComicRanking[39]));
  EXPECT_TRUE(AllSeven(g().ComicEntry[40]));
  EXPECT_TRUE(AllEmpty(g().Novel[38]));
  EXPECT_TRUE(AllSeven(g().Novel[39]));
  EXPECT_TRUE(AllEmpty(g().Figure[4]));
  EXPECT_TRUE(AllSeven(g().Figure[5]));
  EXPECT_TRUE(AllEmpty(g().OtherManga[33]));
  EXPECT_TRUE(AllEmpty(g().SanpoPlace[9]));
  EXPECT_TRUE(AllEmpty(g().ArubaitoJob[21]));
  EXPECT_TRUE(AllEmpty(g().SyugyouCourse[4]));
  EXPECT_TRUE(AllSeven(g().SyugyouCourse[5]));
  EXPECT_TRUE(AllEmpty(g().KnowledgeItem[96]));
  EXPECT_TRUE(AllEmpty(g().SettingCandidate[96]));
  EXPECT_TRUE(AllSeven(g().KnowledgeItem[97]));
  EXPECT_TRUE(AllEmpty(g().Magazine[9]));
  EXPECT_TRUE(AllEmpty(g().Publisher[9]));
  EXPECT_TRUE(AllEmpty(g().PublisherYukou[9]));
  EXPECT_TRUE(AllSeven(g().Magazine[10]));
  EXPECT_TRUE(AllEmpty(g().RoomItem[5]));
  EXPECT_TRUE(AllSeven(g().RoomItem[6]));
}

TEST_F(ClearTest, EmptiesWorksWithAllTheirVolumesAndPricesToZero) {
  for (int w = 0; w < 3; ++w) {
    EXPECT_TRUE(AllEmpty(g().MangaWork[w])) << w;
    EXPECT_TRUE(g().MangaListIndex[w].IsEmpty());
    for (int v : {0, 200, 201, 500}) {
      const auto& volume = g().ComicsVolume[w][v];
      EXPECT_TRUE(volume.Sold.IsEmpty() && volume.SalesRate.IsEmpty() &&
                  volume.MillionFlag.IsEmpty() && volume.Printed.IsEmpty());
      EXPECT_EQ(volume.Price.Scaled(), 0) << "volume prices are never empty";
      EXPECT_TRUE(g().MangaWork[w].EpisodeVolume[v].IsEmpty());
    }
  }
  EXPECT_TRUE(AllSeven(g().MangaWork[3]));
}

TEST_F(ClearTest, EmptiesWholeTablesWithoutCount) {
  EXPECT_TRUE(AllEmpty(g().FormSlot));
  EXPECT_TRUE(AllEmpty(g().SanpoPendingStatus));
  EXPECT_TRUE(AllEmpty(g().ResultLine));
  EXPECT_TRUE(AllEmpty(g().AsiDesk));
  EXPECT_TRUE(AllEmpty(g().AsiDeskSlot));
  EXPECT_TRUE(AllEmpty(g().RankCongratShown));
  EXPECT_TRUE(AllEmpty(g().LevelUpLines));
  EXPECT_TRUE(AllEmpty(g().TiList));
  EXPECT_TRUE(AllEmpty(g().TalkLines));
  EXPECT_TRUE(AllEmpty(g().Rival)) << "the roster is emptied whole, whatever ComicCount was";
  EXPECT_TRUE(AllEmpty(g().NewMangaSetting));
  EXPECT_TRUE(AllEmpty(g().ClassList));
  EXPECT_TRUE(AllEmpty(g().ProductionSlot));
  EXPECT_TRUE(AllEmpty(g().MangaClass));
  EXPECT_TRUE(AllEmpty(g().SlotKanseido));
  EXPECT_TRUE(AllEmpty(g().SlotLabel));
  EXPECT_TRUE(AllEmpty(g().MillionRecord));
  EXPECT_TRUE(AllEmpty(g().SpareList25));
  EXPECT_TRUE(AllEmpty(g().Equipment));
  EXPECT_TRUE(AllEmpty(g().EditorEvent));
  EXPECT_TRUE(AllEmpty(g().Sprite));
  EXPECT_TRUE(AllEmpty(g().SpriteFrameEntry));
  EXPECT_TRUE(AllEmpty(g().SpriteDrawList));
  EXPECT_TRUE(AllEmpty(g().SerialPointsAdd));
  EXPECT_TRUE(AllEmpty(g().PollVotes));
  EXPECT_TRUE(AllEmpty(g().PollRanking));
  EXPECT_TRUE(AllEmpty(g().PublisherTorofi));
  EXPECT_TRUE(AllEmpty(g().PublisherSerialRunning));
  EXPECT_TRUE(AllEmpty(g().SerialListSlot));
}

TEST_F(ClearTest, KeepsTheTutorialsLines) {
  EXPECT_TRUE(AllSeven(g().TutorialLines));
}

TEST(ClearGameStateTest, TextsAreReleasedAndTheNextAppendWritesRowZero) {
  testing::FreshState fresh;
  GameState& g = fresh.g();
  g.TalkLines[0] = "先生、お疲れさまです";
  g.TalkLineCount = 1;
  g.MangaCount = 1;
  g.MangaWork[0].Title = "星の砂時計";
  g.ComicsVolume[0][250].Price = Money::FromNumber(410);
  ClearGameState();
  EXPECT_TRUE(g.TalkLines[0].IsEmpty());
  EXPECT_EQ(g.ComicsVolume[0][250].Price.Scaled(), 0);
  EXPECT_NE(Append(g.Assistant, g.AsiCount), nullptr);
  EXPECT_TRUE(g.AsiCount == 1);
}

TEST(ClearGameStateTest, EveryTextLeftAliveIsStillHeldByAValue) {
  const std::size_t before = LiveTextBlocks();
  {
    testing::FreshState fresh;
    GameState& g = fresh.g();
    // Each value a text of its own, so that one block kept too long shows.
    testing::ForEachValue(g, [](Value& v) { v = Value("字"); });
    // Every table full, so that clearing goes over each row.
    testing::SetCountsToCapacity(g);
    ClearGameState();
    // What clearing leaves: the program's own values, the tutorial's lines and
    // the tables' scratch rows.
    const std::size_t held = testing::TextBlocksHeld(g);
    EXPECT_GT(held, 0u);
    EXPECT_EQ(LiveTextBlocks() - before, held) << "texts no value holds any more";
  }
  EXPECT_EQ(LiveTextBlocks(), before) << "texts that outlived their state";
}

}  // namespace
}  // namespace koratsu
