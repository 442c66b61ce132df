// The road of a first work: a new game, knowledge points, a work planned in
// the settings editor, the work command, the clock until the work is
// finished, its title, and the question where to send it.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "production/naming.h"
#include "production/work_record.h"
#include "shell/game_flow.h"
#include "state/computer_clock.h"
#include "state/game_state.h"
#include "state/koudou_mode.h"
#include "state/random.h"
#include "support/fresh_state.h"
#include "support/recording_screen.h"
#include "support/road_player.h"
#include "support/scripted_ui.h"
#include "ui/forms.h"
#include "ui/tutorial_stages.h"

namespace koratsu::testing {
namespace {

class FirstWorkTest : public ::testing::Test {
 protected:
  FirstWorkTest() : g(fresh.g()) {
    SetComputerClock(&clock);
    SetRandomSource(&random);
    shell::SetProgramValues();
  }
  ~FirstWorkTest() override { SetComputerClock(nullptr); }

  FreshState fresh;
  GameState& g;
  FixedClock clock{ComputerTime{2024, 4, 5, 6, 9, 0, 0}, 1234.5};
  SeededRandom random{11};
  ScriptedUi ui;
  RecordingScreen screen;
  RoadPlayer player{ui, screen};
};

TEST_F(FirstWorkTest, AWorkIsFinishedNamedRecordedAndKeptForLater) {
  ASSERT_TRUE(shell::ConfirmNewGame("漫画太郎", screen));
  for (int item : {3, 8}) g.KnowledgeItem[item].Point = 12;
  // Own stories of one setting each, for 少女層 and ﾄﾞｷｭﾒﾝﾀﾘｰ.
  ASSERT_TRUE(player.PlanWork({{3, 12}}, 1, 2));
  ASSERT_TRUE(player.PlanWork({{8, 10}}, 1, 2));
  ASSERT_EQ(g.SlotsInUse, 2);
  // What the schedule window would share out: most points for the first work.
  g.ProductionSlot[0].SigotoPoint = 14;
  g.ProductionSlot[1].SigotoPoint = 6;
  const rec::ProductionSlot planned = g.ProductionSlot[0];
  g.TutorialStage = tutorial_stage::kWorkTitle;  // the tutorial's guide from the schedule window on

  std::vector<std::string> seen;
  ui.On(form::kWorkTitle, [&] {
    seen.push_back("title window at tutorial stage " + g.TutorialStage.Str());
    WorkTitleLoaded();
    EXPECT_EQ(NameFinishedWork(""), TitleOutcome::Refused);
    ASSERT_EQ(NameFinishedWork("はじめての原稿"), TitleOutcome::Recorded);
    WorkTitleClosed();
    SendNamedWorkOn();
  });
  ui.On(form::kFinishedWork, [&] {
    seen.push_back("sending window at mode " + g.FormSlot[form::kSettingsEditor].Mode.Str());
    AdvanceTutorial(tutorial_stage::kFinishedWork);
    SendFinishedWork(3);  // 今はやめておく
  });

  ui.Clear();
  ASSERT_TRUE(player.WorkUntilNamed());

  ASSERT_EQ(ui.Messages(), (std::vector<std::string>{"漫画が完成しました。", "漫画の題名を決めてください。"}));
  EXPECT_EQ(seen, (std::vector<std::string>{"title window at tutorial stage 8", "sending window at mode 0"}));
  EXPECT_EQ(g.TutorialStage, tutorial_stage::kContestPost);
  EXPECT_EQ(g.KoudouMode, koudou_mode::kNone) << "finishing a work stops the work mode";

  // The record: what the slot held, titled and dated.
  ASSERT_EQ(g.MangaCount, 1);
  const rec::MangaWork& work = g.MangaWork[0];
  EXPECT_EQ(work.Title.Str(), "はじめての原稿");
  EXPECT_EQ(work.Source, 0);
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(work.SettingItem[k], planned.SettingItem[k]) << "setting " << k;
    EXPECT_EQ(work.SettingPoints[k], planned.SettingPoints[k]) << "setting " << k;
  }
  EXPECT_EQ(work.SettingItem[0], 3);
  EXPECT_EQ(work.SettingPoints[0], 12);
  for (int r = 0; r < 6; ++r) EXPECT_EQ(work.Rating[r], planned.Rating[r]) << "rating " << r;
  EXPECT_EQ(work.Hyouka, planned.Quality);
  for (int column = 0; column < 4; ++column) EXPECT_EQ(g.MangaClass[column][0], planned.Class[column]);
  EXPECT_EQ(g.MangaClass[0][0], 1);
  EXPECT_EQ(g.MangaClass[1][0], 2);
  EXPECT_EQ(work.State, manga_state::kUnsent) << "今はやめておく keeps it unsent";
  char date[16];
  std::snprintf(date, sizeof date, "70/%02d/%02d", static_cast<int>(g.GameMonth.Num()),
                static_cast<int>(g.GameDay.Num()));
  EXPECT_EQ(work.Date.Str(), date);

  // The slot is free, keeps what it showed, and its points are unallotted.
  EXPECT_EQ(g.SlotKanseido[0], 0);
  EXPECT_EQ(g.SlotLabel[0].Str(), "新しい漫画");
  for (int r = 0; r < 6; ++r) EXPECT_EQ(g.ProductionSlot[0].Rating[r], planned.Rating[r]);
  EXPECT_EQ(g.ProductionSlot[0].SigotoPoint, 0);
  EXPECT_EQ(g.ProductionSlot[1].SigotoPoint, 6);
  EXPECT_GT(g.SlotKanseido[1], 0.1);
  EXPECT_EQ(g.SigotoPointLeft, 14);
  EXPECT_EQ(g.SlotsInUse, 1);
  EXPECT_GE(g.Experience, 22);
  EXPECT_LE(g.Experience, 25);
}

}  // namespace
}  // namespace koratsu::testing
