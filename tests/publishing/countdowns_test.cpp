// The anime's countdown to its broadcasts and a movie's countdown and run.

#include <gtest/gtest.h>

#include "publishing/countdowns.h"
#include "state/editor_event_queue.h"
#include "state/game_state.h"
#include "support/fresh_state.h"
#include "support/scripted_ui.h"

namespace koratsu {
namespace {

class CountdownsTest : public ::testing::Test {
 protected:
  CountdownsTest() : g(fresh.g()) {}
  testing::FreshState fresh;
  GameState& g;
  testing::ScriptedUi ui;
};

TEST_F(CountdownsTest, TheAnimesCountdownQueuesTheEveningsBroadcast) {
  const struct {
    int state, days, after;
    bool queued;
  } cases[] = {
      {1, 1, 0, true},    // on the air: tonight's broadcast
      {1, 3, 2, false},
      {1, 0, 0, false},   // already out: nothing more
      {2, 1, 0, false},   // ended: the countdown runs out without a broadcast
      {0, 1, 0, false},
  };
  for (const auto& c : cases) {
    g.EditorEvent[0] = {};
    g.MangaWork[5].AnimeState = c.state;
    g.MangaWork[5].AnimeStartDays = c.days;
    CountDownAnime(5);
    EXPECT_EQ(g.MangaWork[5].AnimeStartDays, c.after) << c.state << " " << c.days;
    EXPECT_EQ(g.EditorEvent[0].Code, c.queued ? event_code::kBroadcast : 0) << c.state << " " << c.days;
    if (c.queued) {
      EXPECT_EQ(g.EditorEvent[0].Delay, 0);
      EXPECT_EQ(g.EditorEvent[0].Target, 5);
    }
  }
}

TEST_F(CountdownsTest, AMovieRunsFromItsPremiereFor21DaysAndItsEndIsToldOnce) {
  rec::MangaWork& w = g.MangaWork[2];
  w.Title = "星の剣士";
  w.MovieOn = 1;
  w.MovieStartDays = 16;  // accepted on day D
  w.MovieAudience = 1234567;
  for (int day = 1; day <= 45; ++day) {
    const std::size_t talks = ui.Talks().size();
    CountDownMovie(2);
    if (day < 16) {
      EXPECT_EQ(w.MovieDay, 0) << day;
    } else if (day <= 36) {
      EXPECT_EQ(w.MovieDay, day - 15) << day;
    } else {
      EXPECT_EQ(w.MovieDay, 22) << day;
    }
    EXPECT_EQ(g.EditorEvent[0].Code, day >= 16 ? event_code::kPremiere : 0) << day;
    EXPECT_EQ(ui.Talks().size(), talks + (day == 37 ? 1 : 0)) << day;
  }
  EXPECT_EQ(g.EditorEvent[0].Delay, 0);
  EXPECT_EQ(g.EditorEvent[0].Target, 2);
  EXPECT_EQ(g.EditorEvent[1].Code, 0) << "one premiere";
  ASSERT_EQ(ui.Talks().size(), 1u);
  EXPECT_EQ(ui.Talk(0).caption, "担当 報告");
  EXPECT_EQ(ui.Talk(0).lines,
            (std::vector<std::string>{"  星の剣士の映画上映が終了しました。", "観客動員数はのべ123万4567人でした。"}));
}

TEST_F(CountdownsTest, AWorkWithoutAMovieKeepsItsDays) {
  g.MangaWork[0].MovieStartDays = 3;
  g.MangaWork[0].MovieDay = 4;
  CountDownMovie(0);
  EXPECT_EQ(g.MangaWork[0].MovieStartDays, 3);
  EXPECT_EQ(g.MangaWork[0].MovieDay, 4);
}

}  // namespace
}  // namespace koratsu
