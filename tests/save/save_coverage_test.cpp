// The file must hold the whole game: every value of the state, at every row a
// full table has, except the few working values that are not saved. A state
// whose every word holds a value of its own is saved and read into an empty
// state; any word that did not come back must be one of those.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "save/reader.h"
#include "save/writer.h"
#include "state/game_state.h"
#include "support/full_tables.h"

namespace koratsu {
namespace {

constexpr std::size_t kWords = sizeof(GameState) / sizeof(Value);
static_assert(sizeof(GameState) % sizeof(Value) == 0);

// Stretches of the state, by address.
class Ranges {
 public:
  template <class T>
  void Add(const T& member) {
    Add(&member, sizeof member);
  }
  void Add(const void* begin, std::size_t bytes) {
    auto* first = static_cast<const char*>(begin);
    ranges_.emplace_back(first, first + bytes);
  }
  void Sort() { std::sort(ranges_.begin(), ranges_.end()); }
  bool Contains(const void* address) const {
    auto* at = static_cast<const char*>(address);
    auto after = std::upper_bound(ranges_.begin(), ranges_.end(), at,
                                  [](const char* a, const auto& range) { return a < range.first; });
    if (after == ranges_.begin()) return false;
    --after;
    return at >= after->first && at < after->second;
  }

 private:
  std::vector<std::pair<const char*, const char*>> ranges_;
};

// The scratch row behind every table, and behind the tables inside its rows:
// no index reaches it, so no file holds it.
template <class T, std::size_t N>
void AddScratch(Ranges& ranges, const Table<T, N>& table);

template <class T>
void AddInner(Ranges&, const T&) {}
template <class T, std::size_t N>
void AddInner(Ranges& ranges, const Table<T, N>& table) {
  AddScratch(ranges, table);
}
void AddInner(Ranges& r, const rec::ClassList& c) {
  AddScratch(r, c.SpareGridA), AddScratch(r, c.SpareGridB), AddScratch(r, c.Point), AddScratch(r, c.Text);
}
void AddInner(Ranges& r, const rec::ProductionSlot& s) {
  AddScratch(r, s.Class), AddScratch(r, s.Rating), AddScratch(r, s.SettingItem), AddScratch(r, s.SettingPoints);
}
void AddInner(Ranges& r, const rec::MangaWork& w) {
  AddScratch(r, w.EpisodeVolume), AddScratch(r, w.SettingPoints), AddScratch(r, w.SettingItem);
  AddScratch(r, w.SpareSetting), AddScratch(r, w.SettingUsed), AddScratch(r, w.SerialSettingPoints);
  AddScratch(r, w.Rating), AddScratch(r, w.MerchAccepted), AddScratch(r, w.SpareGridA), AddScratch(r, w.SpareGridB);
}

template <class T, std::size_t N>
void AddScratch(Ranges& ranges, const Table<T, N>& table) {
  static_assert(sizeof(Table<T, N>) == (N + 1) * sizeof(T), "the scratch row follows the rows");
  ranges.Add(table.end(), sizeof(T));
  for (const T& row : table) AddInner(ranges, row);
}

template <class... Tables>
void AddScratches(Ranges& ranges, const Tables&... tables) {
  (AddScratch(ranges, tables), ...);
}

// Every word a value of its own, every seventh a text; the counts at their
// tables' capacity, so that every row is in use.
void FillEveryWord(GameState& g) {
  auto* words = reinterpret_cast<Value*>(&g);
  const char* volumesBegin = reinterpret_cast<const char*>(&g.ComicsVolume);
  const char* volumesEnd = volumesBegin + sizeof g.ComicsVolume;
  for (std::size_t k = 0; k < kWords; ++k) {
    auto* at = reinterpret_cast<const char*>(&words[k]);
    bool money = at >= volumesBegin && at < volumesEnd;  // prices are no values
    // Texts of digits, which every item takes, even one that holds only numbers.
    words[k] = k % 7 == 3 && !money ? Value(std::to_string(k)) : Value(static_cast<double>(k) + 0.25);
  }
  std::int64_t scaled = 1;
  for (auto& work : g.ComicsVolume)
    for (auto& volume : work) volume.Price = Money::FromScaled(scaled++);
  testing::SetCountsToCapacity(g);
}

TEST(SaveCoverageTest, EveryValueButTheUnsavedWorkingValuesComesBack) {
  auto saved = std::make_unique<GameState>();
  FillEveryWord(*saved);
  std::string bytes;
  save::Result made = save::SaveFileBytes(*saved, bytes);
  ASSERT_TRUE(made) << made.error;
  auto loaded = std::make_unique<GameState>();
  save::Result read = save::ReadSaveFileBytes(*loaded, bytes);
  ASSERT_TRUE(read) << read.error;

  const GameState& g = *saved;
  Ranges unsaved;
  // The program's version, the tutorial's guide, the about box.
  unsaved.Add(g.AppVersion), unsaved.Add(g.TutorialMode), unsaved.Add(g.TutorialBlink);
  unsaved.Add(g.TutorialLineCount), unsaved.Add(g.TutorialLineIndex), unsaved.Add(g.TutorialLines);
  unsaved.Add(g.AboutClickA), unsaved.Add(g.AboutClickB);
  // Working values of windows and events.
  unsaved.Add(g.SerialPointsAdd), unsaved.Add(g.SerialSelectedSetting), unsaved.Add(g.MangaArchiveScroll);
  unsaved.Add(g.RankAchievement), unsaved.Add(g.RankAchievementTitle), unsaved.Add(g.SerialEpisodeSent);
  unsaved.Add(g.SerialTitleSent), unsaved.Add(g.PollVotes), unsaved.Add(g.PollCount), unsaved.Add(g.PollRanking);
  unsaved.Add(g.CeremonyBusy), unsaved.Add(g.SerialListSlot), unsaved.Add(g.SerialListCount);
  unsaved.Add(g.EndSerialAnswer), unsaved.Add(g.TalkSpeaker);
  // Derived again from saved values where they are needed.
  unsaved.Add(g.PublisherTorofi), unsaved.Add(g.PublisherSerialRunning);
  AddScratches(unsaved, g.Assistant, g.AsiList, g.PollArtist, g.PollVotes, g.AssetRankEntry, g.Novel, g.OtherManga,
               g.SanpoPlace, g.ArubaitoJob, g.SyugyouCourse, g.KnowledgeItem, g.ClassList, g.Magazine, g.Publisher,
               g.PublisherYukou, g.PublisherTorofi, g.PublisherSerialRunning, g.Equipment, g.SpareList25,
               g.ProductionSlot, g.SlotKanseido, g.SlotLabel, g.NewMangaSetting, g.SettingCandidate, g.MangaClass,
               g.MangaWork, g.MangaListIndex, g.ComicsVolume, g.MillionRecord, g.EditorEvent, g.SerialListSlot,
               g.SerialPointsAdd, g.ComicEntry, g.ComicRanking, g.Rival, g.AssetRanking, g.PollRanking,
               g.RankCongratShown, g.FormSlot, g.ResultLine, g.TalkLines, g.LevelUpLines, g.TutorialLines, g.TiList,
               g.SanpoPendingStatus, g.AsiDesk, g.AsiDeskSlot, g.Figure, g.Sprite, g.SpriteFrameEntry,
               g.SpriteDrawList, g.RoomItem);
  unsaved.Sort();

  const auto* before = reinterpret_cast<const Value*>(saved.get());
  const auto* after = reinterpret_cast<const Value*>(loaded.get());
  std::size_t lost = 0, kept = 0;
  for (std::size_t k = 0; k < kWords; ++k) {
    bool same = before[k].IsText() ? after[k].IsText() && after[k].TextView() == before[k].TextView()
                                   : before[k].Bits() == after[k].Bits();
    if (unsaved.Contains(&before[k])) {
      kept += same;
      continue;
    }
    if (!same && ++lost <= 10) ADD_FAILURE() << "the value at byte " << k * sizeof(Value) << " was not saved";
  }
  EXPECT_EQ(lost, 0u);
  EXPECT_EQ(kept, 0u) << "values that should not be in the file came back";
}

}  // namespace
}  // namespace koratsu
