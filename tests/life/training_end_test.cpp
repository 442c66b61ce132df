// The end of a training: the course's ability, the experience, the 1-in-2
// row and the windows, in the order the draws and the windows come.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "clock/clock_fixture.h"
#include "life/experience.h"
#include "life/points_gained.h"
#include "life/training.h"
#include "state/koudou_mode.h"
#include "ui/forms.h"

namespace koratsu::testing {
namespace {

constexpr int kCulture = 6, kDrawing = 10;

class TrainingEndTest : public ClockTest {
 protected:
  TrainingEndTest() {
    g.Garyoku = 10;
    g.GaryokuMax = 20;
    g.Kyouyou = 10;
    g.KyouyouMax = 24;
    g.Level = 1;
    g.Experience = 0;
    // The player's part: the points window applies its rows as it closes.
    ui.On(form::kPointsGained, [this] {
      LoadPointsGained();
      atPoints.push_back({g.KoudouMode.Num(), koratsu::ui::IsLoaded(form::kTrainingProgress)});
      for (long long r = 0; r < g.ResultLineCount.Index(); ++r)
        rows.push_back({static_cast<int>(g.ResultLine[r].Field.Num()), static_cast<int>(g.ResultLine[r].Gain.Num())});
    });
    ui.OnUnload(form::kPointsGained, ClosePointsGained);
    ui.OnUnload(form::kLevelUp, CloseLevelUp);
  }

  // A course whose last step has just run out, its window open.
  void TrainingEnds(int kind) {
    SetRandomSource(&draws);
    g.SyugyouKind = kind;
    g.KoudouMode = koudou_mode::kSyugyou;
    g.MinutesPerStep = 20;
    g.KoudouMinutesLeft = 0;
    g.KoudouMinutesTotal = 600;
    koratsu::ui::Show(form::kTrainingProgress, koratsu::ui::Modeless);
    ui.Clear();
    EndSyugyou();
  }

  ScriptedRandom draws;
  std::vector<std::pair<double, bool>> atPoints;  // KoudouMode and the training's window, at Form27
  std::vector<std::pair<int, int>> rows;          // the rows the points window opened with
  double capAtLevelUp = 0;
};

TEST_F(TrainingEndTest, AnAbilityAtItsCapBringsNeitherExperienceNorARow) {
  g.Garyoku = 20;
  TrainingEnds(kDrawing);  // no draw at all
  EXPECT_EQ(ui.Windows(), (std::vector<std::string>{"-65", "+27"}));
  EXPECT_EQ(g.FormSlot[form::kPointsGained].Param, 1);
  EXPECT_TRUE(rows.empty());
  EXPECT_EQ(g.Experience, 0);
  EXPECT_EQ(g.Garyoku, 20);
  EXPECT_EQ(g.KoudouMode, koudou_mode::kNone);
  EXPECT_EQ(g.MinutesPerStep, 0);
  EXPECT_EQ(g.StatusText, Value("停止中"));
  EXPECT_EQ(g.ResultLineCount, 0);
}

TEST_F(TrainingEndTest, ARiseBelowTheCapIsStoppedThereByThePointsWindow) {
  g.Garyoku = 19;
  // The experience, then the 1-in-2 chance, then the rise: 4 + 2.
  draws.Expect(6, 3).Expect(2, 1).Expect(5, 4);
  TrainingEnds(kDrawing);
  EXPECT_EQ(ui.Windows(), (std::vector<std::string>{"-65", "+27"}));
  EXPECT_EQ(rows, (std::vector<std::pair<int, int>>{{0, 6}}));
  EXPECT_EQ(atPoints, (std::vector<std::pair<double, bool>>{{koudou_mode::kNone, false}}));
  EXPECT_EQ(g.Garyoku, 20);
  EXPECT_EQ(g.Experience, 5);
  EXPECT_EQ(draws.Remaining(), 0u);
}

TEST_F(TrainingEndTest, AFailedChanceStillBringsTheExperience) {
  draws.Expect(6, 0).Expect(2, 0);  // no draw for a rise that did not come
  TrainingEnds(kCulture);
  EXPECT_TRUE(rows.empty());
  EXPECT_EQ(g.Experience, 2);
  EXPECT_EQ(g.Kyouyou, 10);
  EXPECT_EQ(draws.Remaining(), 0u);
}

TEST_F(TrainingEndTest, EachCourseRaisesItsOwnAbility) {
  struct Case {
    int kind;
    int field;
    Value GameState::*ability;
  } cases[] = {{6, 1, &GameState::Kyouyou},
               {7, 2, &GameState::Hassouryoku},
               {8, 3, &GameState::Tinou},
               {9, 4, &GameState::Souzouryoku},
               {10, 0, &GameState::Garyoku}};
  for (const Case& c : cases) {
    g.Garyoku = g.Kyouyou = g.Hassouryoku = g.Tinou = g.Souzouryoku = 10;
    g.GaryokuMax = g.KyouyouMax = g.HassouryokuMax = g.TinouMax = g.SouzouryokuMax = 20;
    rows.clear();
    draws.Expect(6, 0).Expect(2, 1).Expect(5, 0);
    TrainingEnds(c.kind);
    EXPECT_EQ(rows, (std::vector<std::pair<int, int>>{{c.field, 2}})) << "course " << c.kind;
    EXPECT_EQ(g.*c.ability, 12) << "course " << c.kind;
  }
}

TEST_F(TrainingEndTest, ALevelUpThatRaisesTheCapComesFirstAndTheRiseUsesTheNewCap) {
  // Level 3 at 80 raises drawing's cap from 20 to 26.
  g.Level = 2;
  g.Experience = 78;
  g.Garyoku = 19;
  bool trainingWindowOpen = false;
  ui.On(form::kLevelUp, [&] {
    capAtLevelUp = g.GaryokuMax.Num();
    trainingWindowOpen = koratsu::ui::IsLoaded(form::kTrainingProgress);
  });
  draws.Expect(6, 0).Expect(2, 1).Expect(5, 4);
  TrainingEnds(kDrawing);
  EXPECT_EQ(ui.Windows(), (std::vector<std::string>{"+41", "-65", "+27"}));
  EXPECT_EQ(capAtLevelUp, 26);
  EXPECT_TRUE(trainingWindowOpen);
  EXPECT_EQ(g.Level, 3);
  EXPECT_EQ(g.Garyoku, 25);
}

TEST_F(TrainingEndTest, ACourseEndsAfterThirtyStepsOfTwentyMinutes) {
  g.SyugyouKind = kDrawing;
  g.KoudouMode = koudou_mode::kSyugyou;
  g.KoudouMinutesLeft = 600;
  g.KoudouMinutesTotal = 600;
  g.MinutesPerStep = 20;
  int steps = 0;
  Value left = g.KoudouMinutesLeft;
  for (int events = 0; g.KoudouMode != koudou_mode::kNone && events < 1000; ++events) {
    TimerEvent();
    if (g.KoudouMinutesLeft != left) ++steps;
    left = g.KoudouMinutesLeft;
  }
  EXPECT_EQ(steps, 30);
  EXPECT_EQ(g.GameHour, 20);
  EXPECT_EQ(g.GameMinute, 0);
  EXPECT_EQ(ui.ShownCount(form::kPointsGained), 1);
}

}  // namespace
}  // namespace koratsu::testing
