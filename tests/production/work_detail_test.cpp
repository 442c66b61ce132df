#include "production/work_detail.h"

#include <gtest/gtest.h>

#include "production/archive_records.h"
#include "support/fresh_state.h"

namespace koratsu::testing {
namespace {

class WorkDetailTest : public ::testing::Test {
 protected:
  WorkDetailTest() : g(fresh.g()) { AddMagazines(); }
  FreshState fresh;
  GameState& g;
};

TEST_F(WorkDetailTest, ARunningAndAnEndedSerial) {
  const long long running = AddSerial(g, "空の旅", kDotabata, 5, 3);
  const long long ended = AddSerial(g, "海の旅", kDotabata, 20, 3, "09/03/01");
  SerialDetail d = DescribeSerial(running);
  EXPECT_EQ(d.title, "空の旅");
  EXPECT_EQ(d.episodes, "連載第5話");
  EXPECT_EQ(d.period, "08/04/01～連載中");
  EXPECT_EQ(d.magazine, "週刊少年ドタバタに連載中");
  EXPECT_EQ(d.rank, "15作品中 第3位");
  EXPECT_EQ(d.fee, "24万0000円");

  d = DescribeSerial(ended);
  EXPECT_EQ(d.period, "08/04/01～09/03/01");
  EXPECT_EQ(d.magazine, "週刊少年ドタバタに連載済");
  EXPECT_EQ(d.episodes, "全 20話");
  EXPECT_EQ(d.rank, "15作品中 第3位");
}

TEST_F(WorkDetailTest, VolumeRowsTotalsAndHowFarTheLowerRowsMove) {
  const long long w = AddSerial(g, "空の旅", kDotabata, 30, 2);
  GiveVolumes(g, w, {1000, 0, 50000});
  g.ComicsVolume[w][1].Sold = 1234567;
  // The total is the one the sales keep, not a sum of the rows.
  g.MangaWork[w].TotalSold = 2500000;
  const SerialDetail d = DescribeSerial(w);
  ASSERT_EQ(d.volumes.size(), 3u);
  EXPECT_EQ(d.volumes[0].volume, " 第1巻");
  EXPECT_EQ(d.volumes[0].price, "400円");
  EXPECT_EQ(d.volumes[0].stock, "1000冊");
  EXPECT_EQ(d.volumes[1].volume, " 第2巻");
  EXPECT_EQ(d.volumes[1].sold, "123万4567冊");
  EXPECT_EQ(d.volumes[1].stock, "0冊");
  EXPECT_EQ(d.volumes[2].stock, "5万0000冊");
  EXPECT_EQ(d.stock, "5万1000冊");
  EXPECT_EQ(d.totalSold, "250万0000冊");
  EXPECT_EQ(d.lowerOffset, 28);
  EXPECT_EQ(d.height, 222);
}

TEST_F(WorkDetailTest, ASerialWithoutVolumesShowsOneRowOfZeros) {
  const SerialDetail d = DescribeSerial(AddSerial(g, "空の旅", kDotabata, 1, 9));
  ASSERT_EQ(d.volumes.size(), 1u);
  EXPECT_EQ(d.volumes[0].volume, "");
  EXPECT_EQ(d.volumes[0].price, "0円");
  EXPECT_EQ(d.volumes[0].sold, "0冊");
  EXPECT_EQ(d.volumes[0].stock, "0冊");
  EXPECT_EQ(d.totalSold, "0冊");
  EXPECT_EQ(d.stock, "0冊");
  EXPECT_EQ(d.lowerOffset, 0);
  EXPECT_EQ(d.height, 194);
}

TEST_F(WorkDetailTest, NoMoreVolumeRowsThanTheTableHolds) {
  const long long w = AddSerial(g, "空の旅", kDotabata, 1, 9);
  g.MangaWork[w].Volumes = 900;
  const SerialDetail d = DescribeSerial(w);
  EXPECT_EQ(d.volumes.size(), 501u);
  EXPECT_EQ(d.height, 194 + 14 * 500);
}

TEST_F(WorkDetailTest, TheAnimeCellsFollowItsState) {
  struct Case {
    int state, episode, startDays;
    double rating;
    const char *anime, *shownRating, *income;
  } cases[] = {
      {0, 0, 0, 0, "なし", "0%", "0円"},
      {1, 0, 9, 0, "あと 9日", "0%", "30万0000円"},
      {1, 4, 3, 26.4, "放送中 第4話", "26.4%", "30万0000円"},
      {2, 12, 0, 10, "放送済 全12話", "10%", "30万0000円"},
  };
  const long long w = AddSerial(g, "空の旅", kDotabata, 40, 1);
  for (const Case& c : cases) {
    rec::MangaWork& m = g.MangaWork[w];
    m.AnimeState = c.state;
    m.AnimeEpisode = c.episode;
    m.AnimeStartDays = c.startDays;
    m.AnimeRating = c.rating;
    m.AnimeIncome = c.state == 0 ? 0 : 300000;
    const SerialDetail d = DescribeSerial(w);
    EXPECT_EQ(d.anime, c.anime);
    EXPECT_EQ(d.animeRating, c.shownRating) << c.anime;
    EXPECT_EQ(d.animeIncome, c.income) << c.anime;
  }
}

TEST_F(WorkDetailTest, TheMovieCellsFollowItsRun) {
  struct Case {
    int on, startDays, day, audience;
    const char *movie, *shownAudience, *boxOffice;
  } cases[] = {
      {0, 0, 0, 0, "なし", "0人", "0円"},
      {1, 16, 0, 0, "封切まで16日", "0人", "0円"},
      {1, 0, 3, 120000, "上映3日目", "12万0000人", "2億1600万0000円"},
      {1, 0, 21, 250000, "上映21日目", "25万0000人", "4億5000万0000円"},
      {1, 0, 22, 250000, "しました", "25万0000人", "4億5000万0000円"},
  };
  const long long w = AddSerial(g, "空の旅", kDotabata, 40, 1);
  for (const Case& c : cases) {
    rec::MangaWork& m = g.MangaWork[w];
    m.MovieOn = c.on;
    m.MovieStartDays = c.startDays;
    m.MovieDay = c.day;
    m.MovieAudience = c.audience;
    const SerialDetail d = DescribeSerial(w);
    EXPECT_EQ(d.movie, c.movie);
    EXPECT_EQ(d.audience, c.shownAudience) << c.movie;
    EXPECT_EQ(d.boxOffice, c.boxOffice) << c.movie;
  }
}

TEST_F(WorkDetailTest, AnOwnWorkFromUnsentToPrized) {
  struct Case {
    int state, award, prize;
    const char *magazine, *adoption, *shownPrize;
  } cases[] = {
      {1, 0, 0, "投稿していません", "されていません", "0円"},
      {2, 0, 0, "週刊ちょこまかに投稿", "されていません", "0円"},
      {9, 1, 1000000, "週刊ちょこまかに投稿", "大賞を受賞", "100万0000円"},
      {9, 2, 500000, "週刊ちょこまかに投稿", "副賞を受賞", "50万0000円"},
      {9, 3, 200000, "週刊ちょこまかに投稿", "佳作を受賞", "20万0000円"},
      {9, 4, 1000000, "週刊ちょこまかに投稿", "持込み採用", "100万0000円"},
  };
  const long long w = AddWork(g, "空の旅", 1, "08/05/02");
  g.MangaWork[w].Magazine = kChokomaka;
  for (const Case& c : cases) {
    rec::MangaWork& m = g.MangaWork[w];
    m.State = c.state;
    m.Award = c.award;
    m.Prize = c.prize;
    const OwnWorkDetail d = DescribeOwnWork(w);
    EXPECT_EQ(d.title, "空の旅");
    EXPECT_EQ(d.date, "08/05/02完成");
    EXPECT_EQ(d.magazine, c.magazine) << c.state;
    EXPECT_EQ(d.adoption, c.adoption) << c.state;
    EXPECT_EQ(d.prize, c.shownPrize) << c.state;
  }
}

TEST_F(WorkDetailTest, ARequestedOneShotUnderReviewAcceptedAndRejected) {
  struct Case {
    int state;
    const char *adoption, *fee, *magazine;
  } cases[] = {
      {5, "", "0円", ""},
      {10, "されました", "20万0000円", "週刊ちょこまか"},
      {11, "されませんでした", "0円", ""},
  };
  const long long w = AddWork(g, "空の旅", 5, "08/05/02");
  g.MangaWork[w].Magazine = kChokomaka;
  g.MangaWork[w].Prize = 200000;
  for (const Case& c : cases) {
    g.MangaWork[w].State = c.state;
    const OneShotDetail d = DescribeOneShot(w);
    EXPECT_EQ(d.title, "空の旅");
    EXPECT_EQ(d.date, "08/05/02完成");
    EXPECT_EQ(d.adoption, c.adoption) << c.state;
    EXPECT_EQ(d.fee, c.fee) << c.state;
    EXPECT_EQ(d.magazine, c.magazine) << c.state;
  }
}

}  // namespace
}  // namespace koratsu::testing
