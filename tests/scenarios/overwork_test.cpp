// Death from overwork: a player low on stamina plans a work, gives it no
// points in the schedule window, chooses the hardest pace and lets time run
// at his desk until the warning, then the game over, and the title screen.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "production/schedule.h"
#include "production/settings_editor.h"
#include "publishing/game_end.h"
#include "shell/commands.h"
#include "shell/game_flow.h"
#include "state/game_state.h"
#include "state/koudou_mode.h"
#include "support/scenario.h"
#include "support/settings_player.h"
#include "ui/forms.h"
#include "ui/tutorial_stages.h"

namespace koratsu::testing {
namespace {

class OverworkScenario : public ::testing::Test {
 protected:
  OverworkScenario() {
    // Every point taken back from the new work, the hardest pace, and yes
    // to the question whether that is meant.
    s.answers.Press(form::kSchedule, {"▼", "無理をして", "決定"}).Choose(form::kSchedule, "ticks", 24);
    s.ui.On(form::kSettingsEditor, [this] {
          s.windows.Load(form::kSettingsEditor);
          PlanSetting(0, 3, 8);
          StartProduction(1, 2);
        })
        .On(form::kGameOver, [this] {
          gameOver.push_back(GameOverLines(g.GameOverCause));
          staminaAtGameOver = g.Stamina.Num();
          minuteAtGameOver = g.GameHour.Num() * 60 + g.GameMinute.Num();
          eventsBeforeGameOver = ui.Events().size();
          captionRefreshAtGameOver = g.CaptionRefresh.Num();
          s.windows.Load(form::kGameOver);
          s.windows.Press(form::kGameOver, "さよなら");
        });
  }

  // A new game whose player has gathered some knowledge and is nearly worn out.
  void NewGame() {
    ASSERT_TRUE(s.NewGame("過労太郎"));
    g.KnowledgeItem[3].Point = 8;
    g.Stamina = 2.2;
  }

  // The work: planned in the editor, then given no points at the hardest pace.
  void PlanAndSchedule() {
    shell::RunCommand(shell::Command::NewManga, screen);
    ASSERT_FALSE(ui.IsLoaded(form::kSchedule));
    ASSERT_EQ(g.SlotsInUse, 1);
    ASSERT_EQ(g.ProductionSlot[0].SigotoPoint, 0);
    ASSERT_EQ(g.SukezyuruType, 3);
  }

  // Clock events until the game has ended, or three game days have gone.
  void RunUntilTheGameEnds() { s.RunUntilTheGameEnds(3000); }

  Scenario s{{.time = {2024, 4, 5, 6, 10, 0, 0}, .timer = 4321.5, .seed = 23, .keepSeed = false}};
  GameState& g = s.g;
  ScriptedUi& ui = s.ui;
  RecordingScreen& screen = s.screen;

  std::vector<std::vector<std::string>> gameOver;
  double staminaAtGameOver = -1;
  double minuteAtGameOver = -1;
  std::size_t eventsBeforeGameOver = 0;
  double captionRefreshAtGameOver = -1;
};

TEST_F(OverworkScenario, TimeRunsToTheWarningThenTheGameOverAndTheTitleScreen) {
  NewGame();
  ASSERT_EQ(g.GameHour, 10);
  PlanAndSchedule();
  EXPECT_EQ(ui.Questions(), std::vector<std::string>{kZeroPointsQuestion});
  shell::RunCommand(shell::Command::Sigotosuru, screen);
  ASSERT_EQ(g.KoudouMode, koudou_mode::kWork);
  ui.Clear();

  RunUntilTheGameEnds();

  // The warning, once, then the game over for overwork.
  ASSERT_EQ(ui.Talks().size(), 1u);
  EXPECT_EQ(ui.Talk(0).caption, "警告");
  EXPECT_EQ(ui.Talk(0).lines, std::vector<std::string>{"  体力が非常に少なくなっていて危険です。気をつけてください。"});
  ASSERT_EQ(gameOver.size(), 1u);
  EXPECT_EQ(g.GameOverCause, 2);
  EXPECT_EQ(gameOver[0], GameOverLines(2));
  std::vector<int> shown = ui.Shown();
  EXPECT_EQ(shown.back(), form::kGameOver);
  std::size_t talkAt = 0, gameOverAt = 0;
  for (std::size_t i = 0; i < ui.Events().size(); ++i) {
    if (ui.Events()[i].kind == UiEvent::Talk) talkAt = i;
    if (ui.Events()[i].kind == UiEvent::Show && ui.Events()[i].form == form::kGameOver) gameOverAt = i;
  }
  EXPECT_LT(talkAt, gameOverAt);
  EXPECT_LT(staminaAtGameOver, 1);
  EXPECT_GE(minuteAtGameOver, 11 * 60) << "some hours of work first";

  // The title screen: the game is over, its clock off and every window closed.
  EXPECT_EQ(g.GameActive, 0);
  EXPECT_EQ(screen.status, shell::kTitleHint);
  EXPECT_EQ(screen.caption, shell::VersionCaption()) << "the clock event wrote no date over the title screen";
  EXPECT_FALSE(ui.ClockRunning());
  EXPECT_FALSE(screen.gameMenus);
  for (std::size_t i = eventsBeforeGameOver; i < ui.Events().size(); ++i)
    EXPECT_FALSE(ui.Events()[i].kind == UiEvent::Clock && ui.Events()[i].number == 1) << "nothing started the clock";
  for (int form : form::kAll) EXPECT_FALSE(ui.IsLoaded(form)) << form::Name(form) << " is still open";
  EXPECT_EQ(g.KoudouMode, koudou_mode::kNone);
  EXPECT_EQ(g.SigotoOn, 0);

  // Nothing after the stamina check ran in that hour: no drawing hour took
  // more stamina, no time passed, and the time step never came to its end,
  // which asks for the caption.
  EXPECT_EQ(g.Stamina, staminaAtGameOver);
  EXPECT_EQ(captionRefreshAtGameOver, 0);
  EXPECT_EQ(g.CaptionRefresh, 0);
  EXPECT_EQ(g.GameHour.Num() * 60 + g.GameMinute.Num(), minuteAtGameOver);
  // The game stays in memory until the next new game or load.
  EXPECT_EQ(g.PlayerSei, Value("過労太郎"));
  EXPECT_EQ(g.SlotsInUse, 1);
  EXPECT_EQ(s.QuietAfterTitle(), "");
}

TEST_F(OverworkScenario, InTheTutorialTheGameOverEndsTheTutorialToo) {
  NewGame();
  g.TutorialMode = 1;
  g.TutorialStage = tutorial_stage::kSchedule;
  ui::Show(form::kTutorialGuide, ui::Modeless);
  screen.SetTutorialMenus(true);
  PlanAndSchedule();
  EXPECT_EQ(g.TutorialStage, tutorial_stage::kWorkTitle) << "the schedule's OK moved the tutorial on";
  shell::RunCommand(shell::Command::Sigotosuru, screen);
  RunUntilTheGameEnds();

  ASSERT_EQ(gameOver.size(), 1u);
  EXPECT_EQ(g.GameActive, 0);
  EXPECT_FALSE(TutorialRunning());
  EXPECT_EQ(g.TutorialStage, tutorial_stage::kNone);
  EXPECT_FALSE(ui.IsLoaded(form::kTutorialGuide));
  EXPECT_FALSE(screen.tutorialMenus);
  EXPECT_EQ(s.QuietAfterTitle(), "");
}

}  // namespace
}  // namespace koratsu::testing
