// The market's hours in the tick: the 15:00 events before the sales, the
// tables before the royalties, the 10:00 and 20:00 sorts, and the end of
// every tick with its notice and the player away from his room.

#include <gtest/gtest.h>

#include <utility>

#include "clock/clock_fixture.h"
#include "publishing/comics_sales.h"
#include "roomview/sheet_layout.h"
#include "state/koudou_mode.h"
#include "support/scripted_random.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using testing::ClockTest;

class MarketHoursTest : public ClockTest {
 protected:
  MarketHoursTest() {
    g.Kingaku = 10000;
    g.AssetRankCount = 1;
    g.MangaCount = 1;
    g.MangaWork[0].Title = "星の島";
    g.MangaWork[0].Hyouka = 60;
    g.MangaWork[0].Volumes = 1;
    g.ComicsVolume[0][0].SalesRate = 100;
    g.ComicsVolume[0][0].Printed = 1000000;
    g.ComicsVolume[0][0].Price = Money::FromNumber(400);
    g.ComicCount = 1;
    g.ComicEntry[0].MangaIndex = 0;
    g.ComicEntry[0].Title = "星の島";
  }

  // The step of work that completes the hour, the timer's two events.
  void WorkToTheHour(int hour) {
    StartWork();
    g.GameHour = hour - 1;
    g.GameMinute = 30;
    g.SubTick = 0;
    TimerEvent();
    TimerEvent();
    ASSERT_EQ(g.GameHour, hour);
  }

  // The player's figure and the bed, in the first apartment.
  void Room() {
    g.FigureCount = 1;
    g.Figure[0].Sprite = 7;
    g.Figure[0].Place = 1;
    g.BedSprite = 3;
    g.Sprite[7] = {100, 1, 216, 102, 48, 64, 16, 32, {}};  // at his desk, the first idle pose
    g.Sprite[3].SrcX = sheet::kBedSleeping.x;
  }
  const rec::Sprite& Player() { return g.Sprite[7]; }
};

TEST_F(MarketHoursTest, TheTablesOfTheHourComeBeforeItsSales) {
  WorkToTheHour(11);
  const double royalties = g.MangaWork[0].Royalty.Num();
  ASSERT_GT(royalties, 0);
  EXPECT_EQ(g.AssetRankEntry[0].Value, 10000) << "the money before the hour's royalties";
  EXPECT_EQ(g.Kingaku, 10000 + royalties);
  EXPECT_EQ(g.ComicEntry[0].Copies, 0) << "the player's row an hour behind his work";
  const Value sold = g.MangaWork[0].TotalSold;

  RunHour();
  EXPECT_EQ(g.ComicEntry[0].Copies, sold);
  EXPECT_EQ(g.AssetRankEntry[0].Value, 10000 + royalties);
  EXPECT_EQ(g.FormSlot[form::kComicsRanking].Redraw, 1);

  // The comics ranking redraws every hour; the asset ranking only when the
  // player's money changes, not at the people's drift.
  g.MangaCount = 0;
  g.FormSlot[form::kComicsRanking].Redraw = 0;
  g.FormSlot[form::kAssetRanking].Redraw = 0;
  const Value money = g.Kingaku;
  RunHour();
  ASSERT_EQ(g.Kingaku, money);
  EXPECT_EQ(g.FormSlot[form::kComicsRanking].Redraw, 1);
  EXPECT_EQ(g.FormSlot[form::kAssetRanking].Redraw, 0);
}

TEST_F(MarketHoursTest, AVolumeRaisedAtThreeSellsInTheSameHour) {
  g.ComicsVolume[0][0].SalesRate = 0;
  testing::ScriptedRandom draws;
  SetRandomSource(&draws);
  draws.Any(2)                                           // the timer's own draws
      .Expect(4, 1).Expect(144, 1).Expect(3, 0)          // the magazine finds the work
      .Expect(10, 0).Expect(30, 1);                      // a selling volume's two draws
  WorkToTheHour(15);
  EXPECT_EQ(draws.Remaining(), 0u);
  EXPECT_EQ(ui.Shown(), std::vector<int>{form::kVeryPopular});
  EXPECT_GT(g.ComicsVolume[0][0].Sold, 0);
  SetRandomSource(nullptr);
}

TEST_F(MarketHoursTest, RankingsAreSortedAtTenAndTwentyAndTheFeatAnnouncedAtTheTicksEnd) {
  for (int hour : {10, 11, 20}) {
    ui.Clear();
    g.RankAchievement = 0;
    g.RankCongratShown[5] = 0;
    WorkToTheHour(hour);
    const bool sorted = hour != 11;
    EXPECT_EQ(ui.ShownCount(form::kCongratulation), sorted ? 1 : 0) << hour;
    EXPECT_EQ(g.RankCongratShown[5], sorted ? 1 : 0) << hour;
  }
  EXPECT_EQ(ui.ControlText(form::kCongratulation, "Label1"), "  「星の島」がｺﾐｯｸｽの売上げが遂に一位に輝きました。おめでとうございます。")
      << "first in assets too, but the comics feat replaces that";
}

TEST_F(MarketHoursTest, AnAwardThatEndsTheGameEndsTheTick) {
  AwardCeremony previous = SetAwardCeremony([](int, long long) { State().GameActive = 0; });
  testing::ScriptedRandom draws;
  SetRandomSource(&draws);
  draws.Any(2).Expect(10, 0).Expect(30, 0);
  g.MangaWork[0].AwardSales = 4500000;
  g.MangaWork[0].Magazine = 3;
  g.Magazine[3].Publisher = 2;
  StartWork();
  g.GameMinute = 30;
  TimerEvent();
  g.RankAchievement = 1;  // found by a sort: its notice would come at the end of this tick
  TimerEvent();
  EXPECT_EQ(draws.Remaining(), 0u);
  EXPECT_EQ(g.GameHour, 11);
  EXPECT_TRUE(g.CaptionRefresh.IsEmpty()) << "nothing after the sales";
  EXPECT_EQ(ui.ShownCount(form::kCongratulation), 0) << "nor the end of the tick";
  SetRandomSource(nullptr);
  SetAwardCeremony(std::move(previous));
}

TEST_F(MarketHoursTest, AwayThePlayerIsHiddenAndTheBedEmptyAfterEveryTick) {
  g.MangaCount = 0;
  for (int mode : {koudou_mode::kOuting, koudou_mode::kArubaito, koudou_mode::kSyugyou}) {
    Room();
    g.KoudouMode = mode;
    g.KoudouMinutesLeft = 600;
    g.MinutesPerStep = 10;
    g.LifeStatus = 1;
    for (int tick = 0; tick < 40; ++tick) {
      TimerEvent();
      ASSERT_EQ(Player().SrcY, sheet::kHiddenSourceY) << mode << " " << tick;
      ASSERT_EQ(g.Sprite[3].SrcX, sheet::kBedEmpty.x) << mode << " " << tick;
      ASSERT_EQ(Player().X, 216) << "the figure itself stays";
    }
  }
  // At leisure nothing changes.
  Room();
  g.KoudouMode = koudou_mode::kNone;
  TimerEvent();
  EXPECT_EQ(Player().SrcY, 64);
  EXPECT_EQ(g.Sprite[3].SrcX, sheet::kBedSleeping.x);
}

TEST_F(MarketHoursTest, BackAtWorkThePlayerIsSeenAtHisDeskAtOnce) {
  g.MangaCount = 0;
  for (int life : {1, 2}) {
    Room();
    g.LifeStatus = life;
    g.Figure[0].Anim = 2;  // the idle pose would change at the 20th update
    g.KoudouMode = koudou_mode::kOuting;
    g.KoudouMinutesLeft = 600;
    g.MinutesPerStep = 10;
    TimerEvent();
    ASSERT_EQ(Player().SrcY, sheet::kHiddenSourceY);
    g.KoudouMode = koudou_mode::kNone;
    TimerEvent();
    EXPECT_EQ(Player().SrcY, sheet::kHiddenSourceY) << "time stands, and so does the room";

    StartWork();
    TimerEvent();
    EXPECT_EQ(Player().SrcX, 48) << life;
    EXPECT_GE(Player().SrcY, 0) << life;
  }
}

}  // namespace
}  // namespace koratsu
