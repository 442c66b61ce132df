// Death from overwork: a player low on stamina plans a work, gives it no
// points in the schedule window, chooses the hardest pace and lets time run
// at his desk until the warning, then the game over, and the title screen.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "production/point_buttons.h"
#include "production/schedule.h"
#include "production/settings_editor.h"
#include "production/working.h"
#include "publishing/game_end.h"
#include "shell/clock_timer.h"
#include "shell/commands.h"
#include "shell/game_flow.h"
#include "state/computer_clock.h"
#include "state/game_state.h"
#include "state/koudou_mode.h"
#include "state/random.h"
#include "state/yes_no.h"
#include "support/fresh_state.h"
#include "support/recording_screen.h"
#include "support/scripted_ui.h"
#include "support/settings_player.h"
#include "ui/forms.h"
#include "ui/tutorial_stages.h"

namespace koratsu::testing {
namespace {

constexpr int kHardestPace = 2;  // 無理をして

class OverworkScenario : public ::testing::Test {
 protected:
  OverworkScenario() : g(fresh.g()) {
    SetComputerClock(&clock);
    SetRandomSource(&random);
    shell::SetProgramValues();

    // The player's part, through the rules the windows call.
    ui.On(form::kNewMangaChoice, [] { ui::Show(form::kSettingsEditor, ui::Modal); })
        .On(form::kSettingsEditor, [] {
          OpenSettingsEditor();
          PlanSetting(0, 3, 8);
          StartProduction(1, 2);
        })
        .On(form::kSchedule, [this] {
          OpenSchedule();
          // Every point taken back from the new work, and the hardest pace.
          PressSchedulePointButton(0, kPointRepeatTakeBack);
          for (int t = 0; t < 25; ++t) ScheduleTimerStep();
          ReleaseSchedulePointButton();
          ChooseSchedulePace(kHardestPace);
          ui.AnswerYesNo({yes_no::kYes});
          scheduleConfirmed = ConfirmSchedule();
        })
        .OnUnload(form::kSchedule, CloseSchedule)
        .On(form::kWorking, OpenWorking)
        .OnUnload(form::kWorking, [] { CloseWorking({1200, 2400}); })
        .On(form::kGameOver, [this] {
          gameOver.push_back(GameOverLines(g.GameOverCause));
          staminaAtGameOver = g.Stamina.Num();
          minuteAtGameOver = g.GameHour.Num() * 60 + g.GameMinute.Num();
          eventsBeforeGameOver = ui.Events().size();
          captionRefreshAtGameOver = g.CaptionRefresh.Num();
          shell::ReturnToTitle(screen, form::kGameOver);  // さよなら
        });
  }
  ~OverworkScenario() override { SetComputerClock(nullptr); }

  // A new game whose player has gathered some knowledge and is nearly worn out.
  void NewGame() {
    ASSERT_TRUE(shell::ConfirmNewGame("過労太郎", screen));
    g.KnowledgeItem[3].Point = 8;
    g.Stamina = 2.2;
  }

  // The work: planned in the editor, then given no points at the hardest pace.
  void PlanAndSchedule() {
    shell::RunCommand(shell::Command::NewManga, screen);
    ASSERT_TRUE(scheduleConfirmed);
    ASSERT_EQ(g.SlotsInUse, 1);
    ASSERT_EQ(g.ProductionSlot[0].SigotoPoint, 0);
    ASSERT_EQ(g.SukezyuruType, 3);
  }

  // Clock events until the game has ended, or three game days have gone.
  void RunUntilTheGameEnds() {
    for (int events = 0; g.GameActive == 1 && events < 3000; ++events) timer.Event(screen);
  }

  FreshState fresh;
  GameState& g;
  FixedClock clock{ComputerTime{2024, 4, 5, 6, 10, 0, 0}, 4321.5};
  SeededRandom random{23};
  ScriptedUi ui;
  RecordingScreen screen;
  shell::ClockTimer timer;

  bool scheduleConfirmed = false;
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
}

}  // namespace
}  // namespace koratsu::testing
