// The road of a first work: a new game, knowledge points, a planned work,
// the work command, the clock until the work is finished, its title, and the
// question where to send it.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "production/naming.h"
#include "production/work_record.h"
#include "shell/clock_timer.h"
#include "shell/commands.h"
#include "shell/game_flow.h"
#include "state/computer_clock.h"
#include "state/game_state.h"
#include "state/random.h"
#include "support/fresh_state.h"
#include "support/recording_screen.h"
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
  }
  ~FirstWorkTest() override {
    SetRandomSource(nullptr);
    SetComputerClock(nullptr);
  }

  // A work placed as the settings editor places it: the knowledge points go
  // into its settings, and it takes the studio's unallotted work points.
  // It stands in for the settings editor's start command until the test can plan through it.
  void PlanWork(int s, int item, int points, int target, std::initializer_list<int> ratings, double quality) {
    rec::ProductionSlot& slot = g.ProductionSlot[s];
    g.SlotKanseido[s] = 0.1;
    slot.SettingPoints[0] = points;
    slot.SettingItem[0] = item;
    for (int k = 1; k < 3; ++k) {
      slot.SettingPoints[k] = 0;
      slot.SettingItem[k] = -1;
    }
    slot.Class[0] = 2;
    slot.Class[1] = 5;
    slot.Target = target;
    slot.Source = 0;
    int r = 0;
    for (int rating : ratings) slot.Rating[r++] = rating;
    slot.Quality = quality;
    g.KnowledgeItem[item].Point -= points;
    g.SlotLabel[s] = "新しい漫画";
    slot.Kind = 0;
    slot.DaysLeft = -1;
    Value left = g.SigotoPoint;
    for (int t = 0; t < 6; ++t)
      if (g.SlotKanseido[t] > 0) left -= g.ProductionSlot[t].SigotoPoint;
    slot.SigotoPoint = left;
    g.SlotsInUse += 1;
  }

  // Clock events until the game shows its first message, or a game week has gone.
  int RunClockUntilAMessage() {
    int events = 0;
    while (ui.Messages().empty() && events < 4000) {
      timer.Event(screen);
      ++events;
    }
    return events;
  }

  FreshState fresh;
  GameState& g;
  FixedClock clock{ComputerTime{2024, 4, 5, 6, 9, 0, 0}, 1234.5};
  SeededRandom random{11};
  ScriptedUi ui;
  RecordingScreen screen;
  shell::ClockTimer timer;
};

TEST_F(FirstWorkTest, AWorkIsFinishedNamedRecordedAndKeptForLater) {
  ASSERT_TRUE(shell::ConfirmNewGame("漫画太郎", screen));
  g.TutorialStage = 8;  // the tutorial's guide, from the schedule window on
  for (int item = 0; item < 3; ++item) g.KnowledgeItem[item].Point = 12;

  PlanWork(0, 1, 12, 30, {4, 2, 6, 3, 9, 5}, 57.25);
  PlanWork(1, 2, 10, 400, {1, 1, 1, 1, 1, 1}, 20);
  // The schedule window shared the points out.
  g.ProductionSlot[0].SigotoPoint = 14;
  g.ProductionSlot[1].SigotoPoint = 6;

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
    AdvanceTutorial(9);
    SendFinishedWork(3);  // 今はやめておく
  });

  shell::RunCommand(shell::Command::Sigotosuru, screen);
  ASSERT_EQ(g.KoudouMode, 2);
  RunClockUntilAMessage();

  ASSERT_EQ(ui.Messages(), (std::vector<std::string>{"漫画が完成しました。", "漫画の題名を決めてください。"}));
  EXPECT_EQ(seen, (std::vector<std::string>{"title window at tutorial stage 8", "sending window at mode 0"}));
  EXPECT_EQ(g.TutorialStage, 10);
  EXPECT_EQ(g.KoudouMode, 0) << "finishing a work stops the work mode";

  // The record.
  ASSERT_EQ(g.MangaCount, 1);
  const rec::MangaWork& work = g.MangaWork[0];
  EXPECT_EQ(work.Title.Str(), "はじめての原稿");
  EXPECT_EQ(work.Source, 0);
  EXPECT_EQ(work.SettingItem[0], 1);
  EXPECT_EQ(work.SettingPoints[0], 12);
  EXPECT_EQ(work.SettingItem[1], -1);
  EXPECT_EQ(work.SettingItem[2], -1);
  const int ratings[] = {4, 2, 6, 3, 9, 5};
  for (int r = 0; r < 6; ++r) EXPECT_EQ(work.Rating[r], ratings[r]) << "rating " << r;
  EXPECT_EQ(work.Hyouka, 57.25);
  EXPECT_EQ(g.MangaClass[0][0], 2);
  EXPECT_EQ(g.MangaClass[1][0], 5);
  EXPECT_EQ(g.MangaClass[2][0], g.ProductionSlot[0].Class[2]);
  EXPECT_EQ(g.MangaClass[3][0], g.ProductionSlot[0].Class[3]);
  EXPECT_EQ(work.State, manga_state::kUnsent) << "今はやめておく keeps it unsent";
  char date[16];
  std::snprintf(date, sizeof date, "70/%02d/%02d", static_cast<int>(g.GameMonth.Num()),
                static_cast<int>(g.GameDay.Num()));
  EXPECT_EQ(work.Date.Str(), date);

  // The slot is free, keeps what it showed, and its points are unallotted.
  EXPECT_EQ(g.SlotKanseido[0], 0);
  EXPECT_EQ(g.SlotLabel[0].Str(), "新しい漫画");
  for (int r = 0; r < 6; ++r) EXPECT_EQ(g.ProductionSlot[0].Rating[r], ratings[r]);
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
