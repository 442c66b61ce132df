// An anime at the clock: a broadcast every week on its weekday at 20:00,
// until the third weak one has queued its end; the broadcast of the evening
// it ends is the last.

#include <gtest/gtest.h>

#include <vector>

#include "clock/clock_fixture.h"
#include "state/editor_event_queue.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

class AnimeBroadcastTest : public testing::ClockTest {
 protected:
  AnimeBroadcastTest() {
    StartWork();
    rec::MangaWork& w = g.MangaWork[0];
    g.MangaCount = 1;
    w.Title = "海の旅";
    w.State = 9;  // no serial: no merchandise offers in the way
    w.AnimeState = 1;
    w.AnimeWeekday = 0;
    w.AnimeIncome = 300000;
  }

  // Game hours until the day of the month `day` has passed, the player kept
  // rested; the days of the broadcasts, and of the end's entry.
  void RunUntilAfter(int month, int day) {
    while (!(g.GameMonth == month && g.GameDay > day) && g.GameActive == 1) {
      const Value episodes = g.MangaWork[0].AnimeEpisode;
      g.Stamina = 20;
      RunHour();
      if (g.MangaWork[0].AnimeEpisode != episodes) {
        EXPECT_EQ(g.GameHour, 20);
        broadcasts.push_back(static_cast<int>(g.GameDay.Index()));
      }
    }
  }

  std::vector<int> broadcasts;
};

TEST_F(AnimeBroadcastTest, AWeakAnimeEndsWithTheBroadcastAWeekAfterItsThirdWeakOne) {
  g.MangaWork[0].Hyouka = 30;  // rated 5.0: weak every week
  // Tonight's first broadcast, Sunday 5 April.
  ASSERT_EQ(QueueEditorEvent(event_code::kBroadcast, 0, {.Target = 0}), 0);
  RunUntilAfter(4, 19);
  EXPECT_EQ(broadcasts, (std::vector<int>{5, 12, 19}));
  int end = -1;
  for (int i = 0; i < 65; ++i)
    if (g.EditorEvent[i].Code == event_code::kAnimeEnd) end = i;
  ASSERT_GE(end, 0);
  EXPECT_EQ(g.EditorEvent[end].Delay, 6) << "queued with 7 on the broadcast day, one new day since";
  RunUntilAfter(5, 17);
  EXPECT_EQ(broadcasts, (std::vector<int>{5, 12, 19, 26}));
  EXPECT_EQ(g.MangaWork[0].AnimeState, 2);
  EXPECT_EQ(g.MangaWork[0].AnimeLowCount, 4);
  EXPECT_EQ(g.MangaWork[0].AnimeEpisode, 4);
}

TEST_F(AnimeBroadcastTest, AStrongAnimeGoesOnEveryWeek) {
  g.MangaWork[0].Hyouka = 120;
  g.MangaWork[0].AnimeStartDays = 3;  // Wednesday 8 April, on its weekday
  g.MangaWork[0].AnimeWeekday = 3;
  RunUntilAfter(5, 7);
  EXPECT_EQ(broadcasts, (std::vector<int>{8, 15, 22, 29, 6}));
  EXPECT_EQ(g.MangaWork[0].AnimeState, 1);
  EXPECT_EQ(g.MangaWork[0].AnimeRating, 20);
  EXPECT_EQ(g.MangaWork[0].AnimeLowCount, 0);
}

}  // namespace
}  // namespace koratsu
