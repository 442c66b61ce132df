// Planning a serial's next episode: the preset points, the held arrows and
// "送る", which books the points, rates the episode, lowers its quality and
// fixes the rank of the next delivery.

#include "production/next_episode.h"

#include <gtest/gtest.h>

#include "production/point_buttons.h"
#include "production/serial_fixture.h"
#include "state/game_state.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

class NextEpisodeTest : public testing::SerialTest {
 protected:
  // Items: 1 警察官 with 7 points, 2 漫画家 with 12, 3 小説家 with none.
  long long DeliveredSerial(int episodes) {
    const long long m = RunningSerial(0, episodes - 1);
    Deliver();
    return m;
  }

  // RateManga's draws: the discarded one, the bonus, the luck.
  void ExpectRating(long luck, long bonus = 0) { random.ExpectRnd(0.5).Expect(3, bonus).Expect(12, luck); }
};

TEST_F(NextEpisodeTest, TheDeliveryPresetsThreePointsOfEachItem) {
  RunningSerial(0, 4);
  g.KnowledgeItem[1].Point = 2;
  Deliver();
  EXPECT_EQ(g.SerialPointsAdd[0], 2) << "all there are";
  EXPECT_EQ(g.SerialPointsAdd[1], 3);
  EXPECT_EQ(g.KnowledgeItem[1].PointWork, 0);
  EXPECT_EQ(g.KnowledgeItem[2].PointWork, 9);
  EXPECT_EQ(g.KnowledgeItem[2].Point, 12) << "the points held change only at 送る";

  const NextEpisodeRow second = NextEpisodeRowShown(1);
  EXPECT_TRUE(second.hasItem);
  EXPECT_EQ(second.name, "漫画家");
  EXPECT_EQ(second.added, 3);
  EXPECT_EQ(second.pointsText, "9/15");
  const NextEpisodeRow third = NextEpisodeRowShown(2);
  EXPECT_FALSE(third.hasItem);
  EXPECT_EQ(third.name, "なし");
  EXPECT_EQ(third.pointsText, "0/15");
}

TEST_F(NextEpisodeTest, AHeldArrowMovesOnePointPerTick) {
  RunningSerial(0, 4);
  Deliver();  // setting 0: 3 added, 4 left
  PressNextEpisodePointButton(0, kPointRepeatAdd);
  for (int tick = 0; tick < 10; ++tick) NextEpisodeTimerStep();
  ReleaseNextEpisodePointButton();
  EXPECT_EQ(g.SerialPointsAdd[0], 7) << "no more than the item holds";
  EXPECT_EQ(g.KnowledgeItem[1].PointWork, 0);
  EXPECT_EQ(NextEpisodeTimerStep(), -1) << "released";

  PressNextEpisodePointButton(0, kPointRepeatTakeBack);
  ReleaseNextEpisodePointButton();
  EXPECT_EQ(g.SerialPointsAdd[0], 7) << "a click shorter than a tick moves nothing";

  PressNextEpisodePointButton(0, kPointRepeatTakeBack);
  EXPECT_EQ(NextEpisodeTimerStep(), 0);
  for (int tick = 0; tick < 10; ++tick) NextEpisodeTimerStep();
  EXPECT_EQ(g.SerialPointsAdd[0], 0) << "▼ stops at none added";
  EXPECT_EQ(g.KnowledgeItem[1].PointWork, 7);

  PressNextEpisodePointButton(2, kPointRepeatAdd);
  EXPECT_EQ(NextEpisodeTimerStep(), -1) << "a setting without item";
  g.FormSlot[form::kDelivery].Mode = 0;
  PressNextEpisodePointButton(1, kPointRepeatAdd);
  EXPECT_EQ(NextEpisodeTimerStep(), -1) << "only in the serial mode";
}

TEST_F(NextEpisodeTest, SendingUntouchedSpendsThreePointsAndLowersEachSettingByTwo) {
  g.KnowledgeItem[1].Point = 2;
  const long long m = DeliveredSerial(5);
  ExpectRating(10);
  BookNextEpisode();
  const rec::MangaWork& work = g.MangaWork[m];
  EXPECT_EQ(work.SerialSettingPoints[0], 3) << "6 + 2 - 5: all the item had";
  EXPECT_EQ(work.SerialSettingPoints[1], 4) << "6 + 3 - 5";
  EXPECT_EQ(work.SerialSettingPoints[2], 6) << "no item, no change";
  EXPECT_EQ(g.KnowledgeItem[1].Point, 0);
  EXPECT_EQ(g.KnowledgeItem[2].Point, 9);
  EXPECT_EQ(g.KnowledgeItem[4].Point, 5) << "other items keep theirs";
  for (int r = 0; r < 6; ++r) EXPECT_EQ(g.ProductionSlot[g.SerialSlot].Rating[r], 0) << r;
  EXPECT_EQ(random.Remaining(), 0u);
}

TEST_F(NextEpisodeTest, PointsTakenBackStayAndASettingMayFallBelowZero) {
  const long long m = DeliveredSerial(5);
  g.MangaWork[m].SerialSettingPoints[1] = 2;
  PressNextEpisodePointButton(1, kPointRepeatTakeBack);
  for (int tick = 0; tick < 3; ++tick) NextEpisodeTimerStep();
  ReleaseNextEpisodePointButton();
  ExpectRating(10);
  BookNextEpisode();
  EXPECT_EQ(g.MangaWork[m].SerialSettingPoints[1], -3);
  EXPECT_EQ(g.KnowledgeItem[2].Point, 12);
}

TEST_F(NextEpisodeTest, TheQualityFallsWithEveryEpisodeDownToTen) {
  // Quality 30 from the plan: popularity 20 and a luck of 10, every rating 0.
  g.PlayerPopularity = 20;
  const struct {
    int episodes, standard;
    double quality;
    int rank;
  } cases[] = {
      {2, 100, 27, 4},
      {12, 100, 12, 10},  // 30 - 18
      {12, 220, 12, 15},
      {14, 240, 10, 15},  // 30 - 21 = 9 becomes 10; Int(31.2) becomes the last place
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.episodes);
    g.MangaCount = 0;
    for (int i = 0; i < 5; ++i) g.KnowledgeItem[i].Point = 7;
    const long long m = DeliveredSerial(c.episodes);
    g.Magazine[kMagazine].Standard = c.standard;
    ExpectRating(10);
    BookNextEpisode();
    EXPECT_EQ(g.MangaWork[m].Hyouka, c.quality);
    EXPECT_EQ(g.MangaWork[m].SerialRank, c.rank);
  }
}

}  // namespace
}  // namespace koratsu
