#include "shell/game_flow.h"
#include "state/yes_no.h"
#include "ui/forms.h"

#include <gtest/gtest.h>

#include "support/fresh_state.h"
#include "support/recording_screen.h"
#include "support/scripted_ui.h"

namespace koratsu {
namespace {

using testing::RecordingScreen;
using testing::UiEvent;

class GameFlowTest : public ::testing::Test {
 protected:
  GameFlowTest() { shell::SetProgramValues(); }
  GameState& g() { return state.g(); }

  testing::FreshState state;
  testing::ScriptedUi ui;
  RecordingScreen screen;
};

TEST_F(GameFlowTest, StartUpValuesAndTheVersionCaption) {
  EXPECT_EQ(g().AppTitle, Value("Koratsu"));
  EXPECT_EQ(g().SaveVersion, Value("1.20"));
  EXPECT_EQ(g().AppVersion, Value("1.20"));
  EXPECT_EQ(shell::VersionCaption(), "Koratsu Version1.20");
}

TEST_F(GameFlowTest, TheTitleScreenTakesTheGameAwayAndChangesNoGameValue) {
  g().GameActive = 0;
  g().Kingaku = 500;
  shell::ResetGame(screen);
  EXPECT_EQ(screen.calls, (std::vector<std::string>{"background:title", "toolbar:hidden", "menus:title",
                                                    "caption:Koratsu Version1.20",
                                                    std::string("status:") + shell::kTitleHint}));
  EXPECT_EQ(ui.ClockSwitches(), std::vector<int>{0});
  EXPECT_EQ(g().GameActive, Value(0));
  EXPECT_EQ(g().Kingaku, Value(500));
}

TEST_F(GameFlowTest, TheReturnToTheTitleScreenEndsTheGameAndClosesEveryWindow) {
  g().GameActive = 1;
  g().ResumeRequest = 1;
  g().Kingaku = 500;
  for (int form : {form::kRoomView, form::kInfoPanel, form::kCompletion, form::kWorking, form::kEnding})
    ui.Show(form, ui::Modeless);
  std::vector<std::string> seenAtUnload;
  ui.OnUnload(form::kEnding, [&] { seenAtUnload = screen.calls; });
  ui.Clear();

  shell::ReturnToTitle(screen, form::kEnding);
  EXPECT_EQ(g().GameActive, Value(0));
  EXPECT_EQ(g().ResumeRequest, Value(0));
  EXPECT_EQ(g().Kingaku, Value(500)) << "nothing of the game is cleared";
  ASSERT_FALSE(screen.calls.empty());
  EXPECT_EQ(screen.calls.front(), "front");
  EXPECT_FALSE(ui.ClockRunning());
  EXPECT_FALSE(screen.gameMenus);
  EXPECT_EQ(seenAtUnload, screen.calls) << "the window closes once the title screen is up";
  std::vector<int> closed;
  for (const UiEvent& e : ui.Events())
    if (e.kind == UiEvent::Unload) closed.push_back(e.form);
  ASSERT_FALSE(closed.empty());
  EXPECT_EQ(closed.front(), form::kEnding);
  for (int form : form::kAll) EXPECT_FALSE(ui.IsLoaded(form)) << form::Name(form);
}

TEST_F(GameFlowTest, GameOnRunsItsStepsInOrder) {
  shell::GameOn(screen);
  EXPECT_EQ(g().GameActive, Value(1));
  EXPECT_EQ(screen.calls, (std::vector<std::string>{"background:game", "toolbar:pictures",
                                                    "caption:Koratsu Version1.20", "menus:game"}));
  // The world set-up applies the speed and the sound setting; then the money
  // display, the clock and the tool style.
  ASSERT_EQ(ui.Events().size(), 7u);
  EXPECT_EQ(ui.Events()[0].text, "GameSpeedChange");
  EXPECT_EQ(ui.Events()[1].text, "ChangeKoukaon");
  EXPECT_EQ(ui.Events()[2].text, "ChangeKingaku");
  EXPECT_EQ(ui.Events()[3].kind, UiEvent::Clock);
  EXPECT_EQ(ui.Events()[3].number, 1);
  EXPECT_EQ(ui.Events()[4].text, "ChangeToolStyle");
  EXPECT_EQ(ui.Shown(), (std::vector<int>{form::kRoomView, form::kInfoPanel}));
  EXPECT_EQ(ui.Events()[5].number, ui::Modeless);
  EXPECT_EQ(ui.Events()[6].number, ui::Modeless);
}

TEST_F(GameFlowTest, AnEmptyNameIsRefusedAndNothingChanges) {
  g().GameActive = 1;
  g().PlayerSei = "前の人";
  g().Kingaku = 1234;
  EXPECT_FALSE(shell::ConfirmNewGame("", screen));
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"名前を入力してください。"});
  EXPECT_EQ(g().PlayerSei, Value("前の人"));
  EXPECT_EQ(g().Kingaku, Value(1234));
  EXPECT_TRUE(screen.calls.empty());
}

TEST_F(GameFlowTest, ANameReplacesTheRunningGameWithANewOne) {
  g().GameActive = 1;
  g().PlayerSei = "前の人";
  g().Kingaku = 1234;
  g().ToolStyle = 1;
  ui.Show(form::kNewGame, ui::Modeless);  // the new-game window is open
  ui.Clear();
  EXPECT_TRUE(shell::ConfirmNewGame("漫画太郎", screen));
  EXPECT_EQ(ui.Events().front().kind, UiEvent::Unload);
  EXPECT_EQ(ui.Events().front().form, form::kNewGame);
  EXPECT_EQ(g().GameActive, Value(1));
  EXPECT_EQ(g().PlayerSei, Value("漫画太郎"));
  EXPECT_TRUE(g().PlayerMei.IsText());
  EXPECT_EQ(g().PlayerMei, Value(""));
  EXPECT_EQ(g().AssetRankEntry[0].Name, Value("漫画太郎 "));
  EXPECT_EQ(g().FormSlot[form::kInfoPanel].Redraw, Value(1));
  EXPECT_EQ(g().Kingaku, Value(12000));  // the new world's money, not the old game's
  EXPECT_TRUE(g().ToolStyle.IsEmpty());
  EXPECT_EQ(screen.caption, "Koratsu Version1.20");
  EXPECT_TRUE(ui.ClockRunning());
}

TEST_F(GameFlowTest, ANameOfBlanksIsTakenAsTyped) {
  EXPECT_TRUE(shell::ConfirmNewGame("   ", screen));
  EXPECT_EQ(g().PlayerSei, Value("   "));
  EXPECT_EQ(g().AssetRankEntry[0].Name, Value("    "));
}

TEST_F(GameFlowTest, OnlyTheTutorialsFirstStageMovesOnWithANewGame) {
  const int stages[][2] = {{1, 2}, {0, 0}, {5, 5}};
  for (const auto& stage : stages) {
    g().TutorialStage = stage[0];
    g().TutorialStageLoaded = 1;
    g().TutorialLineCount = 7;
    shell::ConfirmNewGame("新人", screen);
    EXPECT_EQ(g().TutorialStage, Value(stage[1]));
    bool moved = stage[0] == 1;
    if (moved) {
      EXPECT_TRUE(g().TutorialStageLoaded.IsNumber());  // 0, not the emptied value
    }
    EXPECT_EQ(g().TutorialLineCount, Value(moved ? 0 : 7));
  }
}

TEST_F(GameFlowTest, QuitAsksAndYesEndsTheProgram) {
  g().GameActive = 1;
  ui.AnswerYesNo({yes_no::kYes});
  EXPECT_TRUE(shell::ConfirmQuit());
  EXPECT_EQ(ui.Questions(), std::vector<std::string>{"ゲームを終了しますか。"});
  EXPECT_TRUE(screen.calls.empty());
}

TEST_F(GameFlowTest, QuitAnsweredNoKeepsTheGameAndItsClock) {
  g().GameActive = 1;
  g().Kingaku = 99;
  ui.AnswerYesNo({yes_no::kNo});
  EXPECT_FALSE(shell::ConfirmQuit());
  EXPECT_TRUE(screen.calls.empty());
  EXPECT_EQ(g().Kingaku, Value(99));
  // The question paused the clock and resumed it.
  EXPECT_EQ(ui.ClockSwitches(), (std::vector<int>{0, 1}));
}

TEST_F(GameFlowTest, QuitAnsweredNoOnTheTitleScreenLeavesTheClockOff) {
  g().GameActive = 0;
  ui.AnswerYesNo({yes_no::kNo});
  EXPECT_FALSE(shell::ConfirmQuit());
  EXPECT_TRUE(screen.calls.empty());
  EXPECT_FALSE(ui.ClockRunning());
}

}  // namespace
}  // namespace koratsu
