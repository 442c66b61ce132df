#include "publishing/comics.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "publishing/rival_roster.h"
#include "state/game_state.h"
#include "state/log.h"
#include "state/random.h"
#include "support/fresh_state.h"
#include "support/scripted_random.h"

namespace koratsu {
namespace {

using testing::CountingRandom;
using testing::ScriptedRandom;

const RivalWork& Work(int rival) { return RivalRoster()[static_cast<std::size_t>(rival)]; }

class ComicsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetLogSink([this](const std::string& line) { log.push_back(line); });
    SetRandomSource(&seeded);
    SetDate(1970, 4, 10);
  }
  void TearDown() override { SetLogSink({}); }

  GameState& g() { return fresh.g(); }
  void SetDate(int year, int month, int day) {
    g().GameYear = year;
    g().GameMonth = month;
    g().GameDay = day;
  }
  void DailyRuns(int n) {
    for (int i = 0; i < n; ++i) UpdateRivalComics();
  }
  // A player's series, as the comics release adds it.
  long long AddPlayerSeries(const char* title, int work) {
    long long row = AddComicRow(title, "漫画 太郎", 0, 0, 0, 0);
    if (row >= 0) g().ComicEntry[row].MangaIndex = work;
    return row;
  }

  testing::FreshState fresh;
  SeededRandom seeded{42};
  std::vector<std::string> log;
};

TEST_F(ComicsTest, NewGameBringsRivalsOneToHundredInOrderWithTheirDrawsInterleaved) {
  ScriptedRandom random;
  random.ExpectRnd(0.3);  // the run's discarded draw
  for (int k = 1; k <= 100; ++k) random.ExpectRnd(0.7).Expect(5, k % 5);
  SetRandomSource(&random);

  UpdateRivalComics();

  EXPECT_EQ(random.Remaining(), 0u);
  ASSERT_TRUE(g().ComicCount == 100);
  EXPECT_TRUE(g().Rival[0].Debuted == 0);
  for (int k = 1; k <= 100; ++k) {
    const RivalWork& w = Work(k);
    const rec::ComicEntry& row = g().ComicEntry[k - 1];
    EXPECT_EQ(row.Title.Str(), RivalRosterTitle(k)) << k;
    EXPECT_EQ(row.Author.Str(), w.author) << k;
    EXPECT_TRUE(row.Popularity == w.popularity) << k;
    EXPECT_TRUE(row.SalesPower == w.popularity * (10 + k % 5)) << k;
    EXPECT_TRUE(row.Volumes == w.volumes) << k;
    EXPECT_TRUE(row.FinalVolume == w.finalVolume) << k;
    EXPECT_TRUE(row.Copies == w.copies) << k;
    EXPECT_TRUE(row.MangaIndex == -1) << k;
    EXPECT_TRUE(row.DaysToVolume == (k == 7 ? 7 : 56)) << k;
    EXPECT_TRUE(row.Ended == 0) << k;
    EXPECT_TRUE(g().Rival[k].Debuted == 1) << k;
    EXPECT_TRUE(g().Rival[k].ComicRow == k - 1) << k;
  }
  EXPECT_TRUE(log.empty());
}

TEST_F(ComicsTest, NewGameOnJulyThirdBringsTheLateRivalFirst) {
  SetDate(1970, 7, 3);
  UpdateRivalComics();

  ASSERT_TRUE(g().ComicCount == 101);
  const rec::ComicEntry& first = g().ComicEntry[0];
  EXPECT_EQ(first.Title.Str(), RivalRosterTitle(0));
  EXPECT_TRUE(first.Popularity == 24);
  EXPECT_TRUE(first.Volumes == 1);
  EXPECT_TRUE(first.FinalVolume == 2);
  EXPECT_TRUE(first.Copies == 0);
  EXPECT_TRUE(first.DaysToVolume == 56);
  for (int k = 0; k <= 100; ++k) {
    EXPECT_TRUE(g().Rival[k].ComicRow == k) << k;
    EXPECT_EQ(g().ComicEntry[k].Title.Str(), RivalRosterTitle(k)) << k;
  }
}

TEST_F(ComicsTest, LateRivalJoinsOnItsDayAfterEveryRowThenInTheTable) {
  SetDate(1970, 6, 30);
  UpdateRivalComics();
  SetDate(1970, 7, 1);
  UpdateRivalComics();
  SetDate(1970, 7, 2);
  UpdateRivalComics();
  ASSERT_EQ(AddPlayerSeries("僕の連載", 0), 100);
  EXPECT_TRUE(g().Rival[0].Debuted == 0);

  SetDate(1970, 7, 3);
  UpdateRivalComics();
  ASSERT_TRUE(g().ComicCount == 102);
  EXPECT_TRUE(g().Rival[0].Debuted == 1);
  EXPECT_TRUE(g().Rival[0].ComicRow == 101);
  EXPECT_EQ(g().ComicEntry[101].Title.Str(), RivalRosterTitle(0));
  EXPECT_TRUE(g().ComicEntry[101].DaysToVolume == 56);  // not counted down on its first day
  EXPECT_TRUE(g().ComicEntry[0].DaysToVolume == 53);

  // From then on it runs every day, whatever the date.
  SetDate(1970, 7, 4);
  UpdateRivalComics();
  EXPECT_TRUE(g().ComicEntry[101].DaysToVolume == 55);
  EXPECT_TRUE(g().ComicCount == 102);
}

TEST_F(ComicsTest, LateRivalNeverJoinsAGameThatStartedAfterItsDay) {
  SetDate(1970, 7, 4);
  UpdateRivalComics();
  SetDate(1971, 7, 3);
  UpdateRivalComics();
  EXPECT_TRUE(g().ComicCount == 100);
  EXPECT_TRUE(g().Rival[0].Debuted == 0);
}

// Volumes, countdown and end of a rival created at the start of a game, after n daily runs.
struct Expected {
  int volumes;
  int days;
  bool ended;
};
Expected AfterRuns(int rival, int n) {
  const RivalWork& w = Work(rival);
  int first = rival == kQuickRival ? kQuickRivalFirstVolumeDays : kFirstVolumeDays;
  if (n < first) return {w.volumes, first - n, false};
  int toCome = w.finalVolume - w.volumes;
  int gained = std::min(toCome, 1 + (n - first) / 7);
  bool ended = gained == toCome;
  return {w.volumes + gained, ended ? 7 : 7 - (n - first) % 7, ended};
}

TEST_F(ComicsTest, RivalsBringOutAVolumeEverySeventhRunUntilTheirFinalVolume) {
  CountingRandom random;
  SetRandomSource(&random);
  UpdateRivalComics();

  std::vector<int> endedOn(101, 0);
  for (int n = 1; n <= 800; ++n) {
    std::vector<double> powerBefore(101);
    for (int k = 1; k <= 100; ++k) powerBefore[k] = g().ComicEntry[k - 1].SalesPower.Num();
    random.ranges.clear();
    UpdateRivalComics();

    long newVolumes = 0;
    for (int k = 1; k <= 100; ++k) {
      const rec::ComicEntry& row = g().ComicEntry[k - 1];
      Expected before = AfterRuns(k, n - 1), now = AfterRuns(k, n);
      ASSERT_TRUE(row.Volumes == now.volumes) << "rival " << k << " run " << n;
      ASSERT_TRUE(row.DaysToVolume == now.days) << "rival " << k << " run " << n;
      ASSERT_TRUE(row.Ended == (now.ended ? 1 : 0)) << "rival " << k << " run " << n;
      if (now.volumes > before.volumes) {
        ++newVolumes;
        int popularity = Work(k).popularity;
        ASSERT_GE(row.SalesPower.Num(), popularity * 10.0) << "rival " << k << " run " << n;
        ASSERT_LE(row.SalesPower.Num(), popularity * 14.0) << "rival " << k << " run " << n;
      } else {
        ASSERT_EQ(row.SalesPower.Num(), powerBefore[k]) << "rival " << k << " run " << n;
      }
      if (now.ended && !before.ended) endedOn[k] = n;
    }
    // One discarded draw for the run and one per rival, one more per new volume.
    auto plain = std::count(random.ranges.begin(), random.ranges.end(), 0L);
    auto fives = std::count(random.ranges.begin(), random.ranges.end(), 5L);
    ASSERT_EQ(plain, 101) << "run " << n;
    ASSERT_EQ(fives, newVolumes) << "run " << n;
    ASSERT_EQ(random.ranges.size(), static_cast<std::size_t>(plain + fives)) << "run " << n;
  }
  EXPECT_EQ(endedOn[7], 14);
  EXPECT_EQ(endedOn[96], 798);
  EXPECT_TRUE(g().ComicCount == 100);
}

TEST_F(ComicsTest, NewVolumeDrawsRightAfterItsRivalsDiscardAndRenewsSalesPower) {
  UpdateRivalComics();
  const rec::ComicEntry& quick = g().ComicEntry[kQuickRival - 1];  // popularity 25, 8 of 10 volumes

  auto runWithVolumeOfQuickRival = [](ScriptedRandom& random, long draw) {
    random.ExpectRnd(0.5);
    for (int k = 1; k <= 100; ++k) {
      random.ExpectRnd(0.5);
      if (k == kQuickRival) random.Expect(5, draw);
    }
  };
  ScriptedRandom random;
  random.Any(6 * 101);
  runWithVolumeOfQuickRival(random, 3);
  random.Any(6 * 101);
  runWithVolumeOfQuickRival(random, 0);
  SetRandomSource(&random);

  DailyRuns(7);
  EXPECT_TRUE(quick.Volumes == 9);
  EXPECT_TRUE(quick.SalesPower == 25 * 13);
  EXPECT_TRUE(quick.DaysToVolume == 7);
  EXPECT_TRUE(quick.Ended == 0);

  DailyRuns(7);
  EXPECT_TRUE(quick.Volumes == 10);
  EXPECT_TRUE(quick.SalesPower == 25 * 10);
  EXPECT_TRUE(quick.Ended == 1);
  EXPECT_EQ(random.Remaining(), 0u);

  // Complete: neither counted down nor advanced, one discarded draw as before.
  for (int i = 0; i < 101; ++i) random.ExpectRnd(0.99);
  UpdateRivalComics();
  EXPECT_TRUE(quick.Volumes == 10);
  EXPECT_TRUE(quick.DaysToVolume == 7);
  EXPECT_TRUE(quick.SalesPower == 250);
  EXPECT_EQ(random.Remaining(), 0u);
}

TEST_F(ComicsTest, PlayersSeriesIsNeverCountedDownNorAdvanced) {
  UpdateRivalComics();
  ScriptedRandom random;
  random.ExpectRnd(0.1).Expect(5, 4);
  SetRandomSource(&random);
  long long row = AddPlayerSeries("僕の連載", 3);
  ASSERT_EQ(row, 100);
  EXPECT_EQ(random.Remaining(), 0u);
  EXPECT_TRUE(g().ComicEntry[row].SalesPower == 0);

  SetRandomSource(&seeded);
  DailyRuns(120);
  const rec::ComicEntry& mine = g().ComicEntry[row];
  EXPECT_EQ(mine.Title.Str(), "僕の連載");
  EXPECT_EQ(mine.Author.Str(), "漫画 太郎");
  EXPECT_TRUE(mine.MangaIndex == 3);
  for (const Value* field : {&mine.Popularity, &mine.SalesPower, &mine.Volumes,
                             &mine.FinalVolume, &mine.DaysToVolume, &mine.Ended, &mine.Copies})
    EXPECT_TRUE(field->IsNumber() && *field == 0);

  // Even pointed at directly, the step leaves a player's row and an unused row alone.
  random.ExpectRnd(0.5).ExpectRnd(0.5);
  SetRandomSource(&random);
  AdvanceRivalComic(row);
  AdvanceRivalComic(200);
  EXPECT_EQ(random.Remaining(), 0u);
  EXPECT_TRUE(mine.Volumes == 0 && mine.Ended == 0 && mine.DaysToVolume == 0);
  EXPECT_TRUE(g().ComicEntry[200].Volumes.IsEmpty());
  EXPECT_TRUE(g().ComicEntry[200].Ended.IsEmpty());
  EXPECT_TRUE(g().ComicCount == 101);
}

TEST_F(ComicsTest, FullTableTakesNoSeriesAndLeavesTheLastRowAlone) {
  SetDate(1970, 6, 1);
  UpdateRivalComics();
  for (int i = 0; i < 157; ++i) ASSERT_GE(AddPlayerSeries("連載", i), 0);
  ASSERT_TRUE(g().ComicCount == 257);
  ASSERT_TRUE(log.empty());

  ScriptedRandom random;
  random.ExpectRnd(0.5).Expect(5, 1);
  SetRandomSource(&random);
  EXPECT_EQ(AddComicRow("あふれた連載", "漫画 太郎", 30, 1, 5, 100), -1);
  EXPECT_EQ(random.Remaining(), 0u);
  EXPECT_EQ(log.size(), 1u);
  EXPECT_TRUE(g().ComicCount == 257);
  EXPECT_EQ(g().ComicEntry[256].Title.Str(), "連載");
  EXPECT_TRUE(g().ComicEntry[256].MangaIndex == 156);

  // The late rival's day comes with no room: it stays off the market, the others run on.
  SetRandomSource(&seeded);
  SetDate(1970, 7, 3);
  log.clear();
  UpdateRivalComics();
  EXPECT_EQ(log.size(), 1u);
  EXPECT_TRUE(g().Rival[0].Debuted == 0);
  EXPECT_TRUE(g().ComicCount == 257);
  EXPECT_EQ(g().ComicEntry[256].Title.Str(), "連載");
  EXPECT_TRUE(g().ComicEntry[256].Popularity == 0);
  EXPECT_TRUE(g().ComicEntry[256].DaysToVolume == 0);
  EXPECT_TRUE(g().ComicEntry[0].DaysToVolume == 55);
}

bool SameValue(const Value& a, const Value& b) {
  return a.IsEmpty() == b.IsEmpty() && a.IsText() == b.IsText() && a == b;
}

TEST_F(ComicsTest, SecondNewGameStartsLikeTheFirstWhateverTheFirstLeftBehind) {
  SetDate(1970, 7, 3);
  UpdateRivalComics();
  DailyRuns(90);
  AddPlayerSeries("前の連載", 0);
  AddPlayerSeries("前の連載その二", 1);

  ClearGameState();
  SetDate(1970, 7, 3);
  seeded.Seed(5);
  UpdateRivalComics();

  testing::FreshState other;
  GameState& o = other.g();
  o.GameYear = 1970;
  o.GameMonth = 7;
  o.GameDay = 3;
  seeded.Seed(5);
  UpdateRivalComics();

  ASSERT_TRUE(g().ComicCount == 101);
  EXPECT_TRUE(SameValue(g().ComicCount, o.ComicCount));
  for (int r = 0; r < 257; ++r) {
    const rec::ComicEntry& a = g().ComicEntry[r];
    const rec::ComicEntry& b = o.ComicEntry[r];
    for (auto field : {&rec::ComicEntry::Title, &rec::ComicEntry::Copies, &rec::ComicEntry::Author,
                       &rec::ComicEntry::MangaIndex, &rec::ComicEntry::Popularity,
                       &rec::ComicEntry::SalesPower, &rec::ComicEntry::Volumes,
                       &rec::ComicEntry::DaysToVolume, &rec::ComicEntry::FinalVolume,
                       &rec::ComicEntry::Ended})
      EXPECT_TRUE(SameValue(a.*field, b.*field)) << "row " << r;
    EXPECT_TRUE(SameValue(g().Rival[r].Debuted, o.Rival[r].Debuted)) << "rival " << r;
    EXPECT_TRUE(SameValue(g().Rival[r].ComicRow, o.Rival[r].ComicRow)) << "rival " << r;
  }
}

// The save file holds texts in code page 932.
bool FitsCodePage932(const std::string& text) {
  iconv_t cd = iconv_open("CP932", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  std::string in = text;
  std::string out(in.size() * 2 + 4, '\0');
  char* inp = in.data();
  char* outp = out.data();
  std::size_t inLeft = in.size(), outLeft = out.size();
  std::size_t done = iconv(cd, &inp, &inLeft, &outp, &outLeft);
  iconv_close(cd);
  return done != static_cast<std::size_t>(-1) && inLeft == 0;
}

TEST(RivalRosterTest, TitlesAreUniqueAndEveryTextFitsTheSaveFile) {
  ASSERT_EQ(RivalRosterSize(), 101);
  std::set<std::string> titles;
  for (int k = 0; k < RivalRosterSize(); ++k) {
    const RivalWork& w = Work(k);
    EXPECT_TRUE(titles.insert(w.title).second) << "title of rival " << k << " repeats";
    EXPECT_STRNE(w.title, "");
    EXPECT_STRNE(w.author, "");
    EXPECT_TRUE(FitsCodePage932(w.title)) << k;
    EXPECT_TRUE(FitsCodePage932(w.author)) << k;
    EXPECT_LT(w.volumes, w.finalVolume) << k;
  }
  EXPECT_STREQ(RivalRosterTitle(-1), "");
  EXPECT_STREQ(RivalRosterTitle(101), "");
}

}  // namespace
}  // namespace koratsu
