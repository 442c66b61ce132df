// The main road of a new game to its end: part-time jobs until the player
// knows enough, a new own story planned and scheduled, the work mode until
// it is finished and named, the post to a magazine's contest, four noons,
// and the grand prize. The tutorial walks the same road and ends once the
// envelope has arrived.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "production/work_record.h"
#include "scenarios/road_fixture.h"
#include "publishing/contest.h"
#include "shell/commands.h"
#include "shell/game_flow.h"
#include "shell/tutorial.h"
#include "state/computer_clock.h"
#include "state/game_state.h"
#include "state/money.h"
#include "state/random.h"
#include "state/tutorial_stage.h"
#include "support/fresh_state.h"
#include "support/recording_screen.h"
#include "support/road_player.h"
#include "support/scripted_random.h"
#include "support/scripted_ui.h"
#include "ui/forms.h"
#include "ui/tutorial_stages.h"

namespace koratsu::testing {
namespace {

constexpr int kChokomakaPublisher = 2;

using ContestRoadTest = RoadScenario;

TEST_F(ContestRoadTest, ANewGamesFirstWorkIsPostedAndWinsTheGrandPrizeAtTheFourthNoon) {
  ASSERT_TRUE(shell::ConfirmNewGame("漫画太郎", screen));
  const int jobs = WorkJobsUntilKnowing();
  ASSERT_GE(BestKnowledgePoints(), kKnowledgeNeeded) << "after " << jobs << " jobs";

  ASSERT_TRUE(PlanFromBestKnowledge());
  EXPECT_EQ(g.SlotsInUse, 1);
  EXPECT_EQ(g.ProductionSlot[0].SigotoPoint, 20) << "the schedule confirmed the studio's points";

  ui.Clear();
  ASSERT_TRUE(player.WorkUntilNamed());
  const std::vector<int> road = {form::kWorkTitle, form::kFinishedWork, form::kContestPost, form::kPostingAnimation};
  std::vector<int> shown;
  for (int window : ui.Shown())
    if (std::find(road.begin(), road.end(), window) != road.end()) shown.push_back(window);
  EXPECT_EQ(shown, road);
  const rec::MangaWork& work = g.MangaWork[0];
  EXPECT_EQ(work.Title.Str(), "はじめての原稿");
  EXPECT_EQ(work.State, manga_state::kSent);
  EXPECT_EQ(work.ResultDays, 4);
  EXPECT_EQ(work.Contest, 1);
  EXPECT_EQ(work.SentMagazine, kChokomaka);
  EXPECT_GT(work.Hyouka, 200 / 3.3) << "this generator's work is good enough for the grand prize";

  // Time runs while the player lives and works on nothing, until the result.
  const double money = g.Kingaku.Num();
  int noons = 0;
  Value hour = g.GameHour;
  ui.Clear();
  shell::RunCommand(shell::Command::Sigotosuru, screen);
  ASSERT_TRUE(player.RunClockUntil([&] {
    if (g.GameHour != hour) {
      hour = g.GameHour;
      if (hour == 12) ++noons;
    }
    return work.State != manga_state::kSent || g.GameActive != 1;
  }));
  EXPECT_EQ(noons, 4);
  EXPECT_EQ(g.GameActive, 1);
  EXPECT_EQ(work.State, manga_state::kTaken);
  EXPECT_EQ(work.Award, 1);
  EXPECT_EQ(work.Prize, 1000000);
  EXPECT_EQ(g.Kingaku, money + 1000000);
  EXPECT_EQ(g.PlayerDebuted, 1);
  EXPECT_EQ(g.Magazine[kChokomaka].Adopted, 1);
  EXPECT_EQ(g.Magazine[kChokomaka].Yukou, 1);
  EXPECT_EQ(g.PublisherYukou[kChokomakaPublisher], 1);
  EXPECT_EQ(ui.ShownCount(form::kContestArticle), 1);
  EXPECT_EQ(ui.ControlText(form::kFeeNotice, "Label2(1)"), "週刊ちょこまかの賞金");
  EXPECT_EQ(ui.ControlText(form::kFeeNotice, "Label2(0)"), "100万0000円");
  std::vector<std::string> publisherTalks;
  for (const TalkRecord& talk : ui.Talks())
    if (talk.caption == "出版社の人") publisherTalks.push_back(talk.lines.front());
  EXPECT_EQ(publisherTalks, (std::vector<std::string>{"  今日は新人賞の発表がありました。",
                                                       "おめでとうございます。「はじめての原稿」が遂に大賞を受賞しました。",
                                                       "そしてめでたく本誌でデビューが決定しました。"}));
}

TEST_F(ContestRoadTest, TheTutorialWalksTheSameRoadAndEndsWhenTheEnvelopeArrives) {
  ui.On(form::kTutorialStartEnd, [this] {
      shell::OpenTutorialWindow(screen);
      shell::PressTutorialWindowButton(screen);
    })
      .On(form::kNewGame, [this] { shell::ConfirmNewGame("漫画太郎", screen); });
  ui::Show(form::kTutorialStartEnd, ui::Modal);
  ASSERT_TRUE(TutorialRunning());
  ASSERT_EQ(g.TutorialStage, 2);

  WorkJobsUntilKnowing();
  EXPECT_EQ(g.TutorialStage, 4) << "the job window opened and a job started";
  ASSERT_TRUE(PlanFromBestKnowledge());
  EXPECT_EQ(g.TutorialStage, 8) << "the command, the editor, its start and the schedule";

  Value stageAtArrival;
  ui.On(form::kPostingAnimation, [&] {
    int left = kEnvelopeLeft;
    while (!MoveEnvelope(left)) {
    }
    stageAtArrival = g.TutorialStage;
  });
  ASSERT_TRUE(player.WorkUntilNamed());
  EXPECT_EQ(g.MangaWork[0].State, manga_state::kSent);
  EXPECT_EQ(stageAtArrival, tutorial_stage::kLast);
  // The same clock event then ends the tutorial and its game.
  EXPECT_FALSE(TutorialRunning());
  EXPECT_EQ(g.GameActive, 0);
  EXPECT_EQ(ui.ShownCount(form::kTutorialStartEnd), 2);
}

}  // namespace
}  // namespace koratsu::testing
