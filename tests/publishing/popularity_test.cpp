// The 15:00 popularity events: each work with volumes draws its event type
// and its chance; a hit raises every volume and shows its notice.

#include "publishing/popularity.h"

#include <gtest/gtest.h>

#include "publishing/notices.h"
#include "state/game_state.h"
#include "state/random.h"
#include "support/fresh_state.h"
#include "support/scripted_random.h"
#include "support/scripted_ui.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

class PopularityTest : public ::testing::Test {
 protected:
  PopularityTest() : g(fresh.g()) {
    SetRandomSource(&draws);
    g.GameActive = 1;
    g.PlayerFame = 20;
    g.MangaCount = 1;
    g.MangaWork[0].Title = "星の島";
    g.MangaWork[0].Hyouka = 60;
    g.MangaWork[0].State = 7;
    g.MangaWork[0].Volumes = 1;
  }
  ~PopularityTest() override { EXPECT_EQ(draws.Remaining(), 0u) << "draws the events did not make"; }

  testing::FreshState fresh;
  GameState& g;
  testing::ScriptedUi ui;
  testing::ScriptedRandom draws;
};

TEST_F(PopularityTest, TheChanceFollowsTheTypeTheStateAndTheScore) {
  struct Case {
    double hyouka;
    int state;
    long type, chance;
  } cases[] = {
      {60, 7, 1, 144},  {1300, 7, 1, 30}, {60, 8, 1, 174}, {0, 7, 0, 160}, {0, 8, 0, 200},
      {55, 8, 2, 245},  {59, 7, 2, 165},  {0, 8, 3, 170},  {10, 7, 3, 159}, {-100, 7, 3, 170},
  };
  for (const Case& c : cases) {
    g.MangaWork[0].Hyouka = c.hyouka;
    g.MangaWork[0].State = c.state;
    draws.Expect(4, c.type).Expect(c.chance, 0);  // a miss draws nothing more
    DrawPopularityEvents();
  }
  EXPECT_TRUE(ui.Shown().empty());
}

TEST_F(PopularityTest, AHitRaisesEveryVolumeByItsOwnDrawAndShowsItsNotice) {
  g.MangaWork[0].Volumes = 3;
  const double rates[] = {0, 40, -3};
  for (int v = 0; v < 3; ++v) g.ComicsVolume[0][v].SalesRate = rates[v];
  draws.Expect(4, 2).Expect(164, 1).Expect(3, 0).Expect(3, 2).Expect(3, 1);
  DrawPopularityEvents();

  // 1.2 × (60 / 3.5 + draw + 20 / 20)
  for (int v = 0; v < 3; ++v) {
    const double draw[] = {0, 2, 1};
    EXPECT_DOUBLE_EQ(g.ComicsVolume[0][v].SalesRate.Num(), rates[v] + 1.2 * (60 / 3.5 + draw[v] + 1)) << v;
  }
  ASSERT_EQ(ui.Shown(), std::vector<int>{form::kVeryPopular});
  EXPECT_EQ(ui.ControlText(form::kVeryPopular, "Label3(0)"), "==星の島が大人気です ==");
  EXPECT_EQ(ui.ControlText(form::kVeryPopular, "Label1(0)"),
            "「星の島」が大人気でニュース番組で紹介されました。コミックスの売り上げがよくなりそうです。");
}

TEST_F(PopularityTest, EachTypeHasItsNoticeAndTheFeatureItsArticle) {
  struct Case {
    long type, chance;
    int form;
    const char* text;
  } cases[] = {
      {0, 154, form::kFeaturedArticle, ""},
      {1, 144, form::kVeryPopular, "「星の島」が大人気で雑誌で紹介されました。コミックスの売り上げがよくなりそうです。"},
      {3, 154, form::kVeryPopular, "「星の島」の雑誌の取材がきました。コミックスの売り上げがよくなりそうです。"},
  };
  for (const Case& c : cases) {
    ui.Clear();
    g.ComicsVolume[0][0].SalesRate = 0;
    draws.Expect(4, c.type).Expect(c.chance, 1).Expect(3, 0);
    if (c.type == 0) draws.Expect(4, 3);
    DrawPopularityEvents();
    EXPECT_EQ(ui.Shown(), std::vector<int>{c.form}) << c.type;
    if (c.form == form::kVeryPopular) {
      EXPECT_EQ(ui.ControlText(c.form, "Label1(0)"), c.text);
    } else {
      EXPECT_EQ(g.FormSlot[form::kFeaturedArticle].Mode, 0) << "the work";
      EXPECT_EQ(g.FormSlot[form::kFeaturedArticle].Param, 3) << "the article";
    }
  }
}

TEST_F(PopularityTest, WorksWithoutVolumesDrawNothingAndTheWorksAreThoseOfTheStart) {
  g.MangaCount = 3;
  g.MangaWork[1].Volumes = 0;
  g.MangaWork[2].Volumes = 2;
  g.MangaWork[2].Hyouka = 0;
  // Work 0 misses; work 2 is hit, and its notice adds a work that is not drawn for.
  draws.Expect(4, 1).Expect(144, 0).Expect(4, 1).Expect(150, 1).Expect(3, 0).Expect(3, 0);
  ui.On(form::kVeryPopular, [this] {
    g.MangaWork[3].Volumes = 1;
    g.MangaCount = 4;
  });
  DrawPopularityEvents();
  EXPECT_EQ(ui.ShownCount(form::kVeryPopular), 1);
}

}  // namespace
}  // namespace koratsu
