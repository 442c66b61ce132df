// A new game on 1 July 1970 played through the main window's clock to 10 July:
// the rivals' market moves on by itself at 14:00 every day.

#include <gtest/gtest.h>

#include <optional>
#include <utility>

#include "publishing/rival_roster.h"
#include "shell/clock_timer.h"
#include "shell/commands.h"
#include "shell/game_flow.h"
#include "state/computer_clock.h"
#include "state/game_state.h"
#include "state/koudou_mode.h"
#include "state/random.h"
#include "support/fresh_state.h"
#include "support/recording_screen.h"
#include "support/scripted_ui.h"

namespace koratsu {
namespace {

using Moment = std::pair<int, int>;  // day of July, hour

class RivalDaysTest : public ::testing::Test {
 protected:
  RivalDaysTest() {
    SetComputerClock(&computer);
    SetRandomSource(&random);
    shell::SetProgramValues();
  }
  ~RivalDaysTest() override { SetComputerClock(nullptr); }
  GameState& g() { return state.g(); }
  Moment Now() { return {static_cast<int>(g().GameDay.Num()), static_cast<int>(g().GameHour.Num())}; }

  // Wednesday 1 July, 9:00 on the computer's clock.
  FixedClock computer{ComputerTime{.year = 2024, .month = 7, .day = 1, .weekday = 4, .hour = 9}};
  SeededRandom random{20240701};
  testing::FreshState state;
  testing::ScriptedUi ui;
  testing::RecordingScreen screen;
};

TEST_F(RivalDaysTest, RivalsDebutAndBringOutVolumesAtTwoInTheAfternoon) {
  ASSERT_TRUE(shell::ConfirmNewGame("新人", screen));
  ASSERT_EQ(g().GameMonth, 7);
  ASSERT_EQ(Now(), Moment(1, 9));
  // Rival 0 waits for 3 July; the others are in the market from the start.
  EXPECT_EQ(g().ComicCount, 100);
  EXPECT_EQ(g().Rival[kLateRival].Debuted, 0);
  const int quickRow = static_cast<int>(g().Rival[kQuickRival].ComicRow.Num());
  const Value quickVolumes = g().ComicEntry[quickRow].Volumes;

  // Working on manga lets time run.
  shell::RunCommand(shell::Command::Sigotosuru, screen);
  ASSERT_EQ(g().KoudouMode, koudou_mode::kWork);

  shell::ClockTimer timer;
  std::optional<Moment> debut;
  std::optional<Moment> newVolume;
  Moment seen = Now();
  for (int events = 0; Now().first < 10 || Now().second < 23; ++events) {
    ASSERT_LT(events, 100000) << "time stood still";
    timer.Event(screen);
    ASSERT_EQ(g().GameActive, 1);
    ASSERT_EQ(g().KoudouMode, koudou_mode::kWork);
    if (Now() == seen) continue;
    seen = Now();
    if (!debut && g().Rival[kLateRival].Debuted == 1) debut = seen;
    if (!newVolume && g().ComicEntry[quickRow].Volumes != quickVolumes) newVolume = seen;
  }
  ASSERT_EQ(g().GameMonth, 7);

  EXPECT_EQ(debut, Moment(3, 14));
  EXPECT_EQ(newVolume, Moment(7, 14));

  // Rival 0 took the next row and counts its first volume from the day after;
  // the quick rival waits a week for its next one; every other series counted
  // down once a day from 1 July to 10 July.
  EXPECT_EQ(g().ComicCount, 101);
  EXPECT_EQ(g().Rival[kLateRival].ComicRow, 100);
  EXPECT_EQ(g().ComicEntry[100].DaysToVolume, kFirstVolumeDays - 7);
  EXPECT_EQ(g().ComicEntry[quickRow].Volumes, quickVolumes + 1);
  EXPECT_EQ(g().ComicEntry[quickRow].DaysToVolume, kDaysBetweenVolumes - 3);
  const int otherRow = static_cast<int>(g().Rival[1].ComicRow.Num());
  EXPECT_EQ(g().ComicEntry[otherRow].DaysToVolume, kFirstVolumeDays - 10);
}

}  // namespace
}  // namespace koratsu
