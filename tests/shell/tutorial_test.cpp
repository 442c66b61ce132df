#include "shell/tutorial.h"
#include "ui/tutorial_stages.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "shell/clock_timer.h"
#include "shell/game_flow.h"
#include "ui/forms.h"
#include "support/fresh_state.h"
#include "support/recording_screen.h"
#include "support/scripted_ui.h"

namespace koratsu {
namespace {

using testing::RecordingScreen;
using testing::UiEvent;

void NoTick() {}

class TutorialTest : public ::testing::Test {
 protected:
  TutorialTest() {
    shell::SetProgramValues();
    // What Form38 does when shown: it decides its role as it loads, then the
    // player presses its only button.
    ui.On(form::kTutorialStartEnd, [this] {
      roles.push_back(shell::OpenTutorialWindow(screen));
      shell::PressTutorialWindowButton(screen);
    });
    ui.On(form::kNewGame, [this] {
      if (typeName) shell::ConfirmNewGame("新人", screen);
    });
  }
  GameState& g() { return state.g(); }

  // The tutorial menu entry.
  void StartTutorial() { ui::Show(form::kTutorialStartEnd, ui::Modal); }

  testing::FreshState state;
  testing::ScriptedUi ui;
  RecordingScreen screen;
  std::vector<shell::TutorialWindowRole> roles;
  bool typeName = true;
};

TEST_F(TutorialTest, EachStageHasItsGuidanceLines) {
  const size_t lines[] = {0, 1, 2, 1, 2, 1, 1, 1, 2, 1, 1, 1, 0};
  for (int stage = 0; stage <= 12; ++stage) {
    auto stageLines = TutorialStageLines(stage);
    EXPECT_EQ(stageLines.size(), lines[stage]) << "stage " << stage;
    if (!stageLines.empty()) {
      EXPECT_EQ(std::string(stageLines[0]).substr(0, 2), "  ") << "stage " << stage;
    }
  }
  EXPECT_TRUE(TutorialStageLines(13).empty());
  EXPECT_TRUE(TutorialStageLines("x").empty());

  g().TutorialStage = tutorial_stage::kNewManga;
  g().TutorialLineCount = 5;
  g().TutorialLineIndex = 3;
  LoadTutorialStageLines();
  EXPECT_EQ(g().TutorialLineCount, Value(2));
  EXPECT_EQ(g().TutorialLineIndex, Value(0));
  EXPECT_EQ(g().TutorialLines[1],
            Value("ある程度ﾎﾟｲﾝﾄが溜まったらメニューから「新しく漫画を描く」を選んでください。"));
}

TEST_F(TutorialTest, AStageMovesOnOnlyFromItself) {
  for (int stage = 0; stage <= 12; ++stage) {
    for (int from = 1; from <= 11; ++from) {
      g().TutorialStage = stage;
      g().TutorialStageLoaded = 1;
      g().TutorialLineCount = 2;
      bool moved = AdvanceTutorial(from);
      EXPECT_EQ(moved, from == stage) << "stage " << stage << " from " << from;
      EXPECT_EQ(g().TutorialStage, Value(moved ? stage + 1 : stage));
      // The guide loads the new stage's lines; the last stage has none to load.
      bool reload = moved && from != 11;
      EXPECT_EQ(g().TutorialStageLoaded, Value(reload ? 0 : 1)) << "stage " << stage << " from " << from;
      EXPECT_EQ(g().TutorialLineCount, Value(reload ? 0 : 2));
    }
  }
}

TEST_F(TutorialTest, WalksItsTwelveStagesAndEndsOnTheTitleScreen) {
  shell::ClockTimer timer(&NoTick);
  StartTutorial();
  ASSERT_EQ(roles, std::vector<shell::TutorialWindowRole>{shell::TutorialWindowRole::Start});
  // The guide opens beside the main window before the name window.
  auto shown = ui.Shown();
  ASSERT_GE(shown.size(), 3u);
  EXPECT_EQ(std::vector<int>(shown.begin(), shown.begin() + 3),
            (std::vector<int>{form::kTutorialStartEnd, form::kTutorialGuide, form::kNewGame}));
  EXPECT_EQ(g().TutorialMode, Value(1));
  EXPECT_EQ(g().TutorialStage, Value(tutorial_stage::kJobDialog));
  EXPECT_EQ(g().GameActive, Value(1));
  EXPECT_TRUE(screen.tutorialMenus);
  EXPECT_TRUE(TutorialRunning());
  EXPECT_TRUE(ui.IsLoaded(form::kTutorialGuide));

  for (int stage = 2; stage <= 11; ++stage) {
    EXPECT_FALSE(AdvanceTutorial(stage - 1));
    EXPECT_FALSE(AdvanceTutorial(stage + 1));
    timer.Event(screen);
    EXPECT_EQ(g().TutorialStage, Value(stage)) << "nothing but its window moves a stage";
    EXPECT_TRUE(AdvanceTutorial(stage));
  }
  EXPECT_EQ(g().TutorialStage, Value(tutorial_stage::kLast));
  ui.Clear();
  timer.Event(screen);

  EXPECT_EQ(roles.back(), shell::TutorialWindowRole::End);
  EXPECT_EQ(ui.Shown(), std::vector<int>{form::kTutorialStartEnd});
  EXPECT_FALSE(ui.IsLoaded(form::kTutorialGuide));
  EXPECT_EQ(g().GameActive, Value(0));
  EXPECT_EQ(g().TutorialMode, Value(0));
  EXPECT_EQ(g().TutorialStage, Value(tutorial_stage::kNone));
  EXPECT_EQ(g().ResumeRequest, Value(0));
  EXPECT_FALSE(screen.tutorialMenus);
  EXPECT_FALSE(screen.gameMenus);
  EXPECT_FALSE(ui.ClockRunning());
  EXPECT_EQ(screen.status, shell::kTitleHint);
  // The end window gives the menus back as it loads, before the title screen takes the game's away.
  auto free = std::find(screen.calls.begin(), screen.calls.end(), "menus:free");
  auto title = std::find(screen.calls.begin(), screen.calls.end(), "menus:title");
  EXPECT_LT(free, title);
  EXPECT_EQ(screen.Count("front"), 1);
}

TEST_F(TutorialTest, CancellingTheNameWindowAtTheStartEndsTheTutorial) {
  g().GameActive = 1;  // a game was running when the tutorial was chosen
  g().Kingaku = 777;
  typeName = false;
  StartTutorial();
  EXPECT_EQ(g().TutorialMode, Value(0));
  EXPECT_EQ(g().TutorialStage, Value(tutorial_stage::kNone));
  EXPECT_FALSE(ui.IsLoaded(form::kTutorialGuide));
  EXPECT_EQ(screen.Count("menus:tutorial"), 0);
  EXPECT_FALSE(screen.tutorialMenus);
  EXPECT_EQ(g().GameActive, Value(1));
  EXPECT_EQ(g().Kingaku, Value(777));

  // It can be chosen again and runs.
  typeName = true;
  StartTutorial();
  EXPECT_EQ(g().TutorialStage, Value(tutorial_stage::kJobDialog));
  EXPECT_TRUE(screen.tutorialMenus);
}

TEST_F(TutorialTest, AGameOverDuringTheTutorialEndsItWithTheGame) {
  StartTutorial();
  AdvanceTutorial(tutorial_stage::kJobDialog);
  screen.calls.clear();
  ui.Show(form::kGameOver, ui::Modeless);
  shell::ReturnToTitle(screen, form::kGameOver);
  EXPECT_EQ(g().TutorialMode, Value(0));
  EXPECT_EQ(g().TutorialStage, Value(tutorial_stage::kNone));
  EXPECT_FALSE(ui.IsLoaded(form::kTutorialGuide));
  ASSERT_GE(screen.calls.size(), 2u);
  EXPECT_EQ(screen.calls[1], "menus:free") << "right after the main window comes forward";
  EXPECT_FALSE(screen.gameMenus);
  EXPECT_FALSE(TutorialEndDue());
}

TEST_F(TutorialTest, OnlyARunningTutorialEndsAtItsLastStage) {
  g().TutorialStage = tutorial_stage::kLast;
  EXPECT_FALSE(TutorialEndDue());
  g().TutorialMode = 1;
  EXPECT_TRUE(TutorialEndDue());
}

}  // namespace
}  // namespace koratsu
