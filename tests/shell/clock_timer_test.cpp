#include "shell/clock_timer.h"
#include "state/tutorial_stage.h"
#include "ui/forms.h"

#include <gtest/gtest.h>

#include "support/fresh_state.h"
#include "support/recording_screen.h"
#include "support/scripted_random.h"
#include "support/scripted_ui.h"

namespace koratsu {
namespace {

using shell::ClockTimer;
using testing::RecordingScreen;

void NoTick() {}

class ClockTimerTest : public ::testing::Test {
 protected:
  ClockTimerTest() : timer(&NoTick) {
    SetRandomSource(&random);
    g().AppTitle = "Koratsu";
    g().GameActive = 1;
  }
  GameState& g() { return state.g(); }
  void Events(int n) {
    for (int i = 0; i < n; ++i) timer.Event(screen);
  }

  testing::FreshState state;
  testing::CountingRandom random;
  RecordingScreen screen;
  ClockTimer timer;
};

TEST(ClockIntervalTest, SpeedsGiveTheirIntervalsAndOtherValuesNone) {
  EXPECT_EQ(shell::ClockInterval(1), 10);
  EXPECT_EQ(shell::ClockInterval(2), 30);
  EXPECT_EQ(shell::ClockInterval(3), 60);
  for (const Value& other : {Value(), Value(0), Value(4), Value(2.5), Value("x")})
    EXPECT_FALSE(shell::ClockInterval(other).has_value()) << other.Str();
}

struct CaptionCase {
  int hour, minute, weekday, tutorialStage;
  const char* expected;
};

TEST(DateCaptionTest, WritesDateWeekdayAndTwelveHourTime) {
  const CaptionCase cases[] = {
      {13, 0, 0, 0, "Koratsu 1970年4月5日日曜日午後 1時0分"},
      {0, 5, 1, 0, "Koratsu 1970年4月5日月曜日午前 0時5分"},
      {11, 59, 2, 0, "Koratsu 1970年4月5日火曜日午前 11時59分"},
      {12, 0, 3, 0, "Koratsu 1970年4月5日水曜日午後 0時0分"},
      {23, 30, 6, 0, "Koratsu 1970年4月5日土曜日午後 11時30分"},
      {9, 0, 7, 0, "Koratsu 1970年4月5日午前 9時0分"},
      {9, 0, 4, 1, "Koratsu ﾁｭｰﾄﾘｱﾙﾓｰﾄﾞ 1970年4月5日木曜日午前 9時0分"},
      {9, 0, 5, 2, "Koratsu 1970年4月5日金曜日午前 9時0分"},
  };
  for (const CaptionCase& c : cases) {
    testing::FreshState state;
    GameState& g = state.g();
    g.AppTitle = "Koratsu";
    g.GameYear = 1970;
    g.GameMonth = 4;
    g.GameDay = 5;
    g.GameHour = c.hour;
    g.GameMinute = c.minute;
    g.GameWeekday = c.weekday;
    g.TutorialStage = c.tutorialStage;
    EXPECT_EQ(shell::DateCaption(), c.expected);
  }
}

TEST_F(ClockTimerTest, StatusTextShowsAtOnceAndFallsBackAfterTwentyEvents) {
  // A toolbar hover: its text, and the counter put back to 0.
  g().StatusBarText = "ゲームの保存を行います。";
  g().StatusBarTick = 0;
  Events(1);
  EXPECT_EQ(screen.status, "ゲームの保存を行います。");
  Events(19);  // the 20th event after the hover
  EXPECT_EQ(g().StatusBarText, Value("指示待ち"));
  EXPECT_EQ(g().StatusBarTick, Value(0));
  EXPECT_EQ(screen.status, "ゲームの保存を行います。");
  Events(1);
  EXPECT_EQ(screen.status, "指示待ち");
  EXPECT_EQ(screen.Count("status:指示待ち"), 1);
  EXPECT_EQ(screen.calls.size(), 2u);  // the status line is written once per cycle
}

TEST_F(ClockTimerTest, AnActivityWindowLeavesTheStatusLineEmpty) {
  g().KoudouShown = 1;
  g().StatusBarText = "外に出かけています";
  g().StatusBarTick = 19;
  Events(2);
  EXPECT_EQ(screen.calls, std::vector<std::string>{"status:"});
}

TEST_F(ClockTimerTest, ACounterPastTwentyNeverWritesTheStatusLineAgain) {
  g().StatusBarTick = 25;
  Events(40);
  EXPECT_TRUE(screen.calls.empty());
}

TEST_F(ClockTimerTest, DrawsOneDiscardedNumberPerEvent) {
  Events(3);
  EXPECT_EQ(random.ranges, (std::vector<long>{0, 0, 0}));
}

TEST_F(ClockTimerTest, RebuildsTheCaptionOnlyWhenAsked) {
  g().GameYear = 1970;
  g().GameMonth = 4;
  g().GameDay = 5;
  g().GameHour = 13;
  g().GameMinute = 0;
  g().GameWeekday = 0;
  Events(1);
  EXPECT_EQ(screen.caption, "");
  g().CaptionRefresh = 1;
  Events(1);
  EXPECT_EQ(screen.caption, "Koratsu 1970年4月5日日曜日午後 1時0分");
  EXPECT_EQ(g().CaptionRefresh, Value(0));
}

TEST_F(ClockTimerTest, BringsTheMainWindowBackWhenAsked) {
  g().ResumeRequest = 1;
  Events(2);
  EXPECT_EQ(screen.Count("front"), 1);
  EXPECT_EQ(g().ResumeRequest, Value(0));
}

TEST_F(ClockTimerTest, TheLastTutorialStageClosesTheGuideAndOpensTheEndWindowAfterTheCaption) {
  testing::ScriptedUi ui;
  ui.Show(form::kTutorialGuide, ui::Modeless);
  ui.Clear();
  ui.On(form::kTutorialStartEnd, [this] {
    EXPECT_EQ(screen.Count("caption:" + shell::DateCaption()), 1);
    g().TutorialStage = tutorial_stage::kNone;
  });
  g().TutorialMode = 1;
  g().TutorialStage = tutorial_stage::kLast;
  g().CaptionRefresh = 1;
  Events(2);
  ASSERT_EQ(ui.Events().size(), 2u);
  EXPECT_EQ(ui.Events()[0].kind, testing::UiEvent::Unload);
  EXPECT_EQ(ui.Events()[0].form, form::kTutorialGuide);
  EXPECT_EQ(ui.Shown(), std::vector<int>{form::kTutorialStartEnd});
}

// A game that ends inside the tick (game over) has already put the title
// screen up: the rest of the event leaves it alone.
void EndTheGame() { State().GameActive = 0; }

TEST_F(ClockTimerTest, AGameEndedInsideTheTickKeepsTheTitleScreen) {
  timer.SetTick(&EndTheGame);
  g().CaptionRefresh = 1;
  g().ResumeRequest = 1;
  Events(1);
  EXPECT_EQ(screen.caption, "");
  EXPECT_EQ(screen.Count("front"), 0);
}

// A tick whose modal window lets the timer deliver another event meanwhile.
ClockTimer* nestedTimer = nullptr;
RecordingScreen* nestedScreen = nullptr;
bool nestedResult = true;
int ticks = 0;
void TickWithModalWindow() {
  ++ticks;
  nestedResult = nestedTimer->Event(*nestedScreen);
}

TEST_F(ClockTimerTest, AnEventDuringARunningTickDoesNothing) {
  nestedTimer = &timer;
  nestedScreen = &screen;
  ticks = 0;
  timer.SetTick(&TickWithModalWindow);
  g().StatusBarTick = 5;
  EXPECT_TRUE(timer.Event(screen));
  EXPECT_FALSE(nestedResult);
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(g().StatusBarTick, Value(6));
  EXPECT_EQ(random.Count(), 1u);
  EXPECT_FALSE(timer.Running());
}

}  // namespace
}  // namespace koratsu
