// A new game's first part-time job, played through the scripted player from
// the job command to the pay, and the next job after it.

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "life/activity_windows.h"
#include "life/points_gained.h"
#include "shell/commands.h"
#include "state/game_state.h"
#include "state/koudou_mode.h"
#include "support/scenario.h"
#include "ui/forms.h"

namespace koratsu {
namespace {

using testing::UiEvent;

constexpr int kFilmStudio = 5;  // 360 minutes, 28000 yen, 4 stamina points
constexpr int kFastFood = 0;

class PartTimeJobScenario : public ::testing::Test {
 protected:
  PartTimeJobScenario() {
    // The player moved the job's window before the clock closed it.
    s.windows.Context().activityLeft = 3000;
    s.ui.On(form::kArubaito, [this] {
      s.answers.Choose(form::kArubaito, "job", job);
      s.windows.Load(form::kArubaito);
      s.windows.Press(form::kArubaito, "決定");
    });
    s.ui.On(form::kArubaitoProgress, [this] {
      placeAtOpening = RememberedActivityPlace();
      s.windows.Load(form::kArubaitoProgress);
    });
    s.ui.On(form::kPointsGained, [this] {
      s.windows.Load(form::kPointsGained);
      for (int r = 0; r < PointsGainedRowCount(); ++r) {
        const rec::ResultLine& row = g().ResultLine[r];
        gains.push_back({static_cast<int>(row.Field.Num()), g().KnowledgeItem[row.Field].Point.Num(), row.Gain.Num()});
      }
      // It is closed after eight of its timer's steps.
      s.answers.Choose(form::kPointsGained, "steps", 4);
      s.windows.Press(form::kPointsGained, "閉じる");
    });
  }
  GameState& g() { return s.g; }

  // Clock timer events until the running activity is over.
  void RunToTheEnd() { s.RunUntil([this] { return g().KoudouMode == koudou_mode::kNone; }, 5000); }
  int Sounds(int kind) const {
    int n = 0;
    for (const UiEvent& e : ui.Events()) n += e.kind == UiEvent::Sound && e.number == kind;
    return n;
  }

  struct Gain {
    int item;
    double before, gain;
  };

  // The game's own generator draws, seeded by the fixed clock.
  testing::Scenario s{{.time = {2024, 4, 5, 6, 10, 0, 0}, .timer = 36000.5, .keepSeed = false}};
  testing::ScriptedUi& ui = s.ui;
  testing::RecordingScreen& screen = s.screen;
  int job = kFilmStudio;
  std::optional<WindowPlace> placeAtOpening;
  std::vector<Gain> gains;
};

TEST_F(PartTimeJobScenario, AJobFromTheCommandToThePayAndTheNextOneWhereTheLastClosed) {
  ASSERT_TRUE(s.NewGame("新人"));
  const double money = g().Kingaku.Num();
  const double stamina = g().Stamina.Num();

  shell::RunCommand(shell::Command::Arubaito, screen);
  EXPECT_EQ(g().KoudouMode, koudou_mode::kArubaito);
  EXPECT_EQ(g().Stamina, stamina - 4);
  EXPECT_EQ(g().KoudouShown, 1);
  EXPECT_FALSE(placeAtOpening) << "a new game's first activity window is centred";
  ui.Clear();

  ASSERT_EQ(g().GameHour, 10);
  ASSERT_EQ(g().GameMinute, 0);
  RunToTheEnd();
  EXPECT_EQ(g().GameHour, 16) << "six hours of work";
  EXPECT_EQ(g().GameMinute, 0);
  EXPECT_EQ(g().KoudouMode, koudou_mode::kNone);
  EXPECT_EQ(g().MinutesPerStep, 0);
  EXPECT_EQ(g().KoudouShown, 0);
  EXPECT_EQ(g().StatusText, Value("停止中"));
  EXPECT_EQ(g().ResultLineCount, 0);

  // The points, then the pay, once, with its one coin sound.
  ASSERT_EQ(ui.ShownCount(form::kPointsGained), 1) << "the film studio taught something";
  EXPECT_EQ(ui.ShownCount(form::kArubaitoEnd), 1);
  EXPECT_EQ(g().Kingaku, money + 28000);
  EXPECT_EQ(Sounds(0), 1);
  ASSERT_FALSE(gains.empty());
  double risen = 0;
  for (const Gain& gain : gains) {
    EXPECT_EQ(g().KnowledgeItem[gain.item].Point, std::min(gain.before + gain.gain, 15.0));
    risen += gain.gain;
  }
  EXPECT_GE(Sounds(1), 1) << "points moved in while the window was open";
  EXPECT_GT(risen, 0);

  // The next job's window opens where the last one was closed.
  job = kFastFood;
  shell::RunCommand(shell::Command::Arubaito, screen);
  EXPECT_EQ(g().KoudouMode, koudou_mode::kArubaito);
  ASSERT_TRUE(placeAtOpening);
  EXPECT_EQ(placeAtOpening->top, 1200);
  EXPECT_EQ(placeAtOpening->left, 3000);
}

}  // namespace
}  // namespace koratsu
