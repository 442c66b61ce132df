// The working window's rules: what it shows by the life schedule, its
// animation, and what closing it does, by the player or by the clock.

#include "production/working.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "clock/clock_fixture.h"
#include "shell/commands.h"
#include "state/koudou_mode.h"
#include "support/recording_screen.h"
#include "ui/forms.h"

namespace koratsu::testing {
namespace {

class WorkingTest : public ClockTest {
 protected:
  WorkingTest() {
    // The player's part: the window as the game opens and closes it.
    ui.On(form::kWorking, [this] {
      placeAtOpening = RememberedActivityPlace();
      OpenWorking();
    });
    ui.OnUnload(form::kWorking, [this] { CloseWorking(closedAt); });
  }

  // Timer ticks of the window: the frame each one shows (-1 for no change).
  std::vector<int> Ticks(int count) {
    std::vector<int> frames;
    for (int t = 0; t < count; ++t) frames.push_back(WorkingAnimationStep());
    return frames;
  }

  RecordingScreen screen;
  WindowPlace closedAt{900, 1800};
  std::optional<WindowPlace> placeAtOpening;
};

TEST_F(WorkingTest, BegunAtNightItShowsTheSleeperAndTheStillPicture) {
  PlaceWork(0, 10, 150, 20);
  g.GameHour = 3;
  g.SanpoAnimFrame = 7;
  shell::RunCommand(shell::Command::Sigotosuru, screen);
  EXPECT_EQ(g.StatusText, Value("就寝中"));
  EXPECT_EQ(g.StatusDetail, Value("寝ています"));
  EXPECT_EQ(g.SanpoAnimFrame, 0);
  EXPECT_EQ(g.KoudouShown, 1);
  EXPECT_EQ(Ticks(3), (std::vector<int>{5, 5, 5}));
  EXPECT_EQ(g.SanpoAnimFrame, 0);
}

TEST_F(WorkingTest, AtWorkTheFramesChangeOnACycleOfElevenTicks) {
  PlaceWork(2, 10, 150, 20);
  OpenWorking();
  EXPECT_EQ(g.StatusText, Value("仕事中"));
  EXPECT_EQ(g.StatusDetail, Value("仕事をしています"));
  const std::vector<int> cycle = {0, -1, 1, -1, 2, -1, 3, -1, 4, -1, 5};
  std::vector<int> twice = cycle;
  twice.insert(twice.end(), cycle.begin(), cycle.end());
  EXPECT_EQ(Ticks(22), twice);
}

TEST_F(WorkingTest, AwakeWithNothingInProductionHeLivesOnStill) {
  OpenWorking();
  EXPECT_EQ(g.StatusText, Value("生活中"));
  EXPECT_EQ(g.StatusDetail, Value("仕事はありません"));
  EXPECT_EQ(Ticks(4), (std::vector<int>{5, 5, 5, 5}));
}

TEST_F(WorkingTest, StoppingEndsTheWorkAndKeepsThePlace) {
  shell::RunCommand(shell::Command::Sigotosuru, screen);
  ASSERT_EQ(g.KoudouMode, koudou_mode::kWork);
  ui::Unload(form::kWorking);  // ストップ, or the close box
  EXPECT_EQ(g.KoudouMode, koudou_mode::kNone);
  EXPECT_EQ(g.MinutesPerStep, 0);
  EXPECT_EQ(g.SigotoOn, 0);
  EXPECT_EQ(g.KoudouShown, 0);
  EXPECT_EQ(g.ResumeRequest, 1);
  EXPECT_EQ(g.FormSlot[form::kWorking].Top, 900);
  EXPECT_EQ(g.FormSlot[form::kWorking].Left, 1800);
}

TEST_F(WorkingTest, AWorkFinishedByTheClockClosesTheWindowAndTheNextStartOpensItThere) {
  PlaceWork(0, 149.5, 150, 20);
  shell::RunCommand(shell::Command::Sigotosuru, screen);
  EXPECT_FALSE(placeAtOpening) << "a new game's first activity window is centred";
  RunHour();
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"漫画が完成しました。"});
  EXPECT_FALSE(ui.IsLoaded(form::kWorking));
  EXPECT_EQ(g.KoudouMode, koudou_mode::kNone);
  EXPECT_EQ(g.SigotoOn, 0);

  shell::RunCommand(shell::Command::Sigotosuru, screen);
  ASSERT_TRUE(placeAtOpening);
  EXPECT_EQ(placeAtOpening->top, 900);
  EXPECT_EQ(placeAtOpening->left, 1800);
}

}  // namespace
}  // namespace koratsu::testing
